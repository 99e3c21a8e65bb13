// The drawer ("21", "22"), the cutter ("62") and cheques ("46", "45", "44",
// "25"): replies, refusals and what lands on the tape.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "emulator/device_commands.h"
#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

using Lines = std::vector<AnsiString>;
// A command refused in a given state.
struct Refusal {
  const char* what;
  std::function<void(PrinterState&)> setUp;
  AnsiString frame;
  const char* reply;
};

class DevicesTest : public PrinterTest {
 protected:
  // Each case from the same starting state: the reply, and nothing changed.
  void ExpectRefusedAndUnchanged(const std::vector<Refusal>& cases) {
    const PrinterState before = printer->State();
    for (const Refusal& c : cases) {
      SCOPED_TRACE(c.what);
      printer->SetState(before);
      if (c.setUp) Edit(c.setUp);
      const PrinterState state = printer->State();
      EXPECT_EQ(Send(c.frame), c.reply);
      EXPECT_EQ(printer->State(), state);
    }
  }
};

TEST_F(DevicesTest, DrawerOpensByCommandAndClosesOnlyByHand) {
  EXPECT_EQ(Send("22"), ".+0000");  // position 6 "0": closed
  EXPECT_EQ(Send("21"), ".+0000");
  EXPECT_TRUE(printer->State().drawerOpen);
  EXPECT_EQ(Send("22"), ".+0001");
  EXPECT_EQ(Send("21"), ".+0000");  // open already: stays open
  EXPECT_EQ(Send("22"), ".+0001");

  Edit([](PrinterState& s) { s.drawerOpen = false; });
  EXPECT_EQ(Send("22"), ".+0000");

  // A sale does not keep the drawer shut; nothing is printed for it.
  OpenPaidCoupon();
  const size_t tape = printer->State().tape.size();
  EXPECT_EQ(Send("21"), ".+0000");
  EXPECT_EQ(Send("22"), ".+0001");
  EXPECT_EQ(printer->State().tape.size(), tape);

  EXPECT_EQ(Send("21X"), ".-E003");
  EXPECT_EQ(Send("220"), ".-E003");
  // The paper code takes the status code, drawer digit included.
  Edit([](PrinterState& s) { s.paper = PaperLevel::kLow; });
  EXPECT_EQ(Send("22"), ".+P005");
}

TEST_F(DevicesTest, CutLeavesAMarkOnTheTape) {
  printer = CreateVirtualPrinter(Options("", kNarrowTape));
  const Counters counters = printer->State().counters;
  EXPECT_EQ(Send("621"), ".+0000");
  EXPECT_EQ(printer->State().tape, (Lines{"~~~~~~~~~~~~~~~~ CORTE ~~~~~~~~~~~~~~~~~"}));
  EXPECT_EQ(printer->State().counters, counters);
  EXPECT_EQ(CutMark(kWideTape), AnsiString(20, '~') + " CORTE " + AnsiString(21, '~'));

  const std::vector<Refusal> cases = {
      {"no parameter", nullptr, "62", ".-E003"},
      {"another option", nullptr, "620", ".-E003"},
      {"more than the option", nullptr, "6211", ".-E003"},
      {"a report open", [](PrinterState& s) { s.document = DocumentKind::kManagementReport; },
       "621", ".-E004"},
      {"a coupon open", [](PrinterState& s) { s.document = DocumentKind::kFiscalCoupon; }, "621",
       ".-E004"},
      {"paper out", [](PrinterState& s) { s.paper = PaperLevel::kOut; }, "621", ".-P005"},
  };
  ExpectRefusedAndUnchanged(cases);
}

TEST_F(DevicesTest, ChequePrintsFormatAlterationsAndDataOnItsOwnSection) {
  printer = CreateVirtualPrinter(Options("", kNarrowTape));
  const Counters counters = printer->State().counters;
  ASSERT_EQ(Send("46S341"), ".+0000");
  ASSERT_EQ(Send("45ANO2026"), ".+0000");
  ASSERT_EQ(Send("45CIDADE"), ".+0000");
  EXPECT_TRUE(printer->State().tape.empty());  // nothing prints before the data
  ASSERT_EQ(Send("440000001234,56FULANO DE TAL COM UM NOME BEM COMPRIDOSAO PAULO061226"), ".+0000");
  EXPECT_EQ(printer->State().tape, (Lines{
                                       "========================================",
                                       "                 CHEQUE",
                                       "06/12/2026 14:05:30",
                                       "----------------------------------------",
                                       "FORMATO: 341",
                                       "ALTERACAO: ANO2026",
                                       "ALTERACAO: CIDADE",
                                       "0000001234,56FULANO DE TAL COM UM NOME B",
                                       "EM COMPRIDOSAO PAULO061226",
                                       "========================================",
                                   }));
  EXPECT_TRUE(printer->State().cheque.printed);
  EXPECT_EQ(printer->State().counters, counters);  // a cheque is no document

  ASSERT_EQ(Send("25"), ".+0000");
  EXPECT_FALSE(printer->State().chequeInProgress);
  EXPECT_EQ(printer->State().cheque, Cheque{});
  // The next cheque starts afresh.
  ASSERT_EQ(Send("46S001"), ".+0000");
  EXPECT_EQ(printer->State().cheque, (Cheque{"001", {}, false}));
}

TEST_F(DevicesTest, ChequeCommandsRefusedOutOfOrderChangeNothing) {
  const auto formatted = [](PrinterState& s) {
    s.chequeInProgress = true;
    s.cheque = Cheque{"341", {}, false};
  };
  const auto printed = [](PrinterState& s) {
    s.chequeInProgress = true;
    s.cheque = Cheque{"341", {"A"}, true};
  };
  const std::vector<Refusal> cases = {
      {"data with no format", nullptr, "44DATA", ".-E004"},
      {"alteration with no format", nullptr, "45ANO", ".-E004"},
      {"format without its S", nullptr, "46341", ".-E003"},
      {"format with no text", nullptr, "46S", ".-E003"},
      {"bare 46", nullptr, "46", ".-E003"},
      {"format too long", nullptr, "46S" + AnsiString(41, '1'), ".-E003"},
      {"format with a line feed", nullptr, "46S34\n1", ".-E003"},
      {"format with a coupon open",
       [](PrinterState& s) { s.document = DocumentKind::kFiscalCoupon; }, "46S341", ".-E004"},
      {"a second format", formatted, "46S001", ".-E004"},
      {"empty data", formatted, "44", ".-E003"},
      {"data too long", formatted, "44" + AnsiString(241, 'D'), ".-E003"},
      {"alteration with a control character", formatted, "45A\x01", ".-E003"},
      {"empty alteration", formatted, "45", ".-E003"},
      {"data with a report open",
       [&formatted](PrinterState& s) {
         formatted(s);
         s.document = DocumentKind::kManagementReport;
       },
       "44DATA", ".-E004"},
      {"data twice", printed, "44DATA", ".-E004"},
      {"alteration once printed", printed, "45ANO", ".-E004"},
      {"a tenth alteration",
       [](PrinterState& s) {
         s.chequeInProgress = true;
         s.cheque = Cheque{"341", Lines(9, "ALT"), false};
       },
       "45ANO", ".-E005"},
      {"data with the paper out",
       [&formatted](PrinterState& s) {
         formatted(s);
         s.paper = PaperLevel::kOut;
       },
       "44DATA", ".-P005"},
      {"end with a parameter", formatted, "25X", ".-E003"},
  };
  ExpectRefusedAndUnchanged(cases);
}

TEST_F(DevicesTest, EndIsAcceptedWhateverTheCheque) {
  // With no cheque (the package's probe), with one never printed, and with
  // the paper out, which does not stop the probe; nothing is printed.
  EXPECT_EQ(Send("25"), ".+0000");
  ASSERT_EQ(Send("46S341"), ".+0000");
  ASSERT_EQ(Send("45ANO"), ".+0000");
  Edit([](PrinterState& s) { s.paper = PaperLevel::kOut; });
  EXPECT_EQ(Send("25"), ".+P005");
  EXPECT_FALSE(printer->State().chequeInProgress);
  EXPECT_EQ(printer->State().cheque, Cheque{});
  EXPECT_TRUE(printer->State().tape.empty());
}

}  // namespace
}  // namespace mdx::emulator::test

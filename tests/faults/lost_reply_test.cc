// One frame of a sale is lost at each command in turn: either the printer
// never sees it, or it runs it and its reply is lost. The operator answers
// yes to every "print again?": the sale ends as a clean one does, with each
// item and each payment registered once and the day's registers as they
// would be without the loss.
#include <gtest/gtest.h>

#include <cstdio>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;
using emulator::FaultKind;

class LostReplyTest : public TillTest {
 protected:
  // The normal sale on a TEF till, where every sale command asks to print
  // again when the printer does not take it: the opening, the items (and
  // the discount, through the item question), the subtotal surcharge, the
  // payments and (in the balance footer) the closing.
  std::vector<HostCall> TefSale() {
    auto item = [this](const Sold& s) {
      Variant record = DaySalesTest::Item(s);
      for (int i = record.LowBound(); i <= record.HighBound(); ++i) {
        const AnsiString name = record[i][0].AsString();
        if (name == "IDUTILTEF") record[i] = VarArrayOf({"IDUTILTEF", "T"});
        if (name == "UTILTEF") record[i] = VarArrayOf({"UTILTEF", true});
      }
      return VendaItem(record);
    };
    return {
        {"AbreCupom",
         [this] {
           Variant opening = Record({{"ESQUEMACOR", "007"}, {"INTTEFERRO", 0}, {"INCLUICPF", ""},
                                     {"INCLUINOME", ""}, {"INCLUIENDERECO", ""}, {"CUPNR", ""},
                                     {"CONTCUPOM", ""}, {"IDUTILTEF", "T"}, {"UTILTEF", true}});
           return AbreCupom(opening);
         }},
        {"VendaItem CAFE", [item] { return item({"789", "CAFE", "T01", 2, 3.50, 0.50}); }},
        {"VendaItem ACUCAR", [item] { return item({"456", "ACUCAR", "T02", 1, 4.20, 0}); }},
        {"VendaItem LEITE", [item] { return item({"123", "LEITE", "T01", 3, 2.00, 0}); }},
        {"FechaCupom",
         [this] {
           ClosingList list;
           list[8] = 1.00;
           list[9] = "T";
           list[11] = true;
           list[27] = "1";  // the balance footer, whose closing asks again too
           list[36] = "1";
           list[13] = MovementsPacket({{"E", "002", 10}, {"E", "001", 20}});
           list[14] = MethodsPacket({{"001", "01", ""}, {"002", "02", ""}});
           return Close(list);
         }},
    };
  }
};

TEST_F(LostReplyTest, YesAfterALostReplyAtEveryCommandRegistersEachOnce) {
  // The clean sale, to count its frames and keep what it leaves.
  FreshPrinter();
  Package().ResetGlobals();
  ForgetFrames();
  for (const bool ok : RunAll(TefSale())) ASSERT_TRUE(ok);
  const std::vector<AnsiString> saleFrames = SentFrames();
  const emulator::PrinterState clean = Printer().State();
  ASSERT_EQ(clean.document, DocumentKind::kNone);
  ASSERT_EQ(clean.lastCoupon.items.size(), 3u);
  ASSERT_EQ(clean.lastCoupon.payments.size(), 2u);

  struct Loss {
    const char* what;
    FaultKind kind;
  } losses[] = {
      {"frame lost", FaultKind::kNoAnswer},
      {"frame run, its reply lost", FaultKind::kReplyLost},
  };
  int questions = 0;
  for (const Loss& loss : losses) {
    for (size_t k = 1; k <= saleFrames.size(); ++k) {
      SCOPED_TRACE(AnsiString(loss.what) + " at frame " + IntToStr(static_cast<int>(k)) + " " +
                   saleFrames[k - 1]);
      HangGuard guard("lost reply at frame " + std::to_string(k));
      FreshPrinter();
      Package().ResetGlobals();
      host_->dialogs.clear();
      host_->defaultAnswer = true;
      ForgetFrames();

      const FaultKind kind = loss.kind;
      Trigger().Arm("", static_cast<int>(k), [this, kind] {
        emulator::FaultRule rule;
        rule.kind = kind;
        rule.count = 1;
        printer_->AddFault(rule);
      });
      const std::vector<HostCall> sale = TefSale();
      for (const HostCall& call : sale) EXPECT_TRUE(call.run()) << call.name;
      Trigger().Disarm();
      host_->defaultAnswer = false;

      const emulator::PrinterState state = Printer().State();
      EXPECT_EQ(state.document, DocumentKind::kNone);
      EXPECT_EQ(state.lastCoupon, clean.lastCoupon);
      EXPECT_EQ(state.grandTotal, clean.grandTotal);
      EXPECT_EQ(state.day, clean.day);
      EXPECT_EQ(state.counters, clean.counters);
      questions += static_cast<int>(host_->dialogs.size());
    }
  }
  std::printf("sale of %zu frames, one lost at each, both ways; %d questions answered yes\n",
              saleFrames.size(), questions);
}

}  // namespace
}  // namespace mdx::test

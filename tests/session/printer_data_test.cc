// Carrega_Dados_Impressora: the printer's identity into the host's record,
// from scripted registers 1 and 3 and the virtual printer's status.
#include <gtest/gtest.h>

#include <algorithm>

#include "session/session_fixture.h"
#include "status/scripted_replies.h"

namespace mdx::test {
namespace {

using DadosFn = bool (*)(Variant&);

class PrinterDataTest : public SessionTest {
 protected:
  bool Load(Variant& record) {
    return Package().Op<DadosFn>("Carrega_Dados_Impressora")(record);
  }
  static Variant Defaults() {
    return Record({{"ESQUEMA", "006"},
                   {"DATAATUIMP", "d"},
                   {"ECFIMP", "e"},
                   {"REDIMP", "r"},
                   {"SERIEIMP", "s"},
                   {"DATAIMP", "m"}});
  }
  static Variant Expected(const AnsiString& updated, const AnsiString& ecf,
                          const AnsiString& reduction, const AnsiString& serial,
                          const AnsiString& movement) {
    return Record({{"DATAATUIMP", updated},
                   {"ECFIMP", ecf},
                   {"REDIMP", reduction},
                   {"SERIEIMP", serial},
                   {"DATAIMP", movement}});
  }
};

TEST_F(PrinterDataTest, BlankMovementDateFailsAndChangesOnlyThatValue) {
  ScriptedReplies script(Package());
  script.Answer("271", {Register1("      ")});
  Variant record = Defaults();
  EXPECT_FALSE(Load(record));
  EXPECT_EQ(record, Expected("d", "e", "r", "s", "      "));
  EXPECT_EQ(SentCommands(LogTexts()), std::vector<AnsiString>{"271"});
  EXPECT_EQ(LogTexts().back(), "Retorno da Impressora " + Register1("      "));
}

TEST_F(PrinterDataTest, IdentityOfTheVirtualPrinter) {
  Printer().SetClock(EncodeDate(2024, 1, 15) + EncodeTime(10, 31, 0, 0));
  Variant fresh = Defaults();
  // No document yet today: the movement date reads "000000", which is no blank.
  EXPECT_TRUE(Load(fresh));
  EXPECT_EQ(fresh, Expected("1501241031", "001", "N", "SW0000001", "000000"));

  emulator::PrinterState state = Printer().State();
  state.dayOpen = true;
  state.zPending = true;
  state.movementDate = EncodeDate(2024, 1, 12);
  state.serialNumber = "SW98765";
  state.ecfNumber = 7;
  Printer().SetState(state);
  Variant record = Defaults();
  EXPECT_TRUE(Load(record));
  EXPECT_EQ(record, Expected("1501241031", "007", "S", "SW98765", "120124"));
  EXPECT_TRUE(host_->dialogs.empty());
}

// With the paper low the information blocks stay whole: the identity is read
// at the first attempt, and only the status and the probes warn of the paper.
TEST_F(PrinterDataTest, IdentityWithThePaperLow) {
  Printer().SetClock(EncodeDate(2024, 1, 15) + EncodeTime(10, 31, 0, 0));
  emulator::PrinterState state = Printer().State();
  state.paper = emulator::PaperLevel::kLow;
  Printer().SetState(state);
  Variant record = Defaults();
  EXPECT_TRUE(Load(record));
  EXPECT_EQ(record, Expected("1501241031", "001", "N", "SW0000001", "000000"));
  EXPECT_EQ(SentCommands(LogTexts()),
            (std::vector<AnsiString>{"271", "28", "25", "273", "25", "25", "273", "25"}));
  EXPECT_TRUE(host_->delays.empty());
  for (const AnsiString& text : host_->DialogTexts()) EXPECT_EQ(text, "Impressora fiscal com pouco papel.");
}

TEST_F(PrinterDataTest, IdentityComesFromTheRegistersAndTheStatus) {
  ScriptedReplies script(Package());
  script.Answer("271", {Register1("140124", "0", false), Register1("150124")});
  script.Answer("273", {Register3("001", "SW1234   ", 'X'), Register3("001", "SW1234   ")});
  Printer().SetClock(EncodeDate(2024, 1, 15) + EncodeTime(10, 31, 0, 0));
  emulator::PrinterState state = Printer().State();
  state.zPending = true;
  Printer().SetState(state);

  Variant record = Defaults();
  EXPECT_TRUE(Load(record));
  EXPECT_EQ(record, Expected("1501241031", "001", "S", "SW1234", "150124"));
  EXPECT_EQ(SentCommands(LogTexts()),
            (std::vector<AnsiString>{"271", "271", "28",
                                     "25", "273", "25",     // echo "X": asked again
                                     "25", "273", "25",     // echo "3"
                                     "25", "273", "25"}));  // the serial number
  EXPECT_EQ(host_->delays, (std::vector<int>{1, 1}));
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(PrinterDataTest, RegisterLoopsStopAtTenOrAtARefusal) {
  ScriptedReplies script(Package());
  script.Answer("271", {Register1("150124", "0", false)});  // never complete
  script.Answer("273", {".-E002"});
  Printer().SetClock(EncodeDate(2024, 1, 15) + EncodeTime(10, 31, 0, 0));
  Variant record = Defaults();
  EXPECT_TRUE(Load(record));
  std::vector<AnsiString> commands = SentCommands(LogTexts());
  EXPECT_EQ(std::count(commands.begin(), commands.end(), "271"), 10);
  // The refusal ends the loop at once; its status code reads as the ECF
  // number, so the serial number is asked once more, and is empty.
  EXPECT_EQ(std::count(commands.begin(), commands.end(), "273"), 2);
  EXPECT_EQ(host_->delays, std::vector<int>(9, 1));
  EXPECT_EQ(record, Expected("1501241031", "002", "N", "", "150124"));
}

TEST_F(PrinterDataTest, UnreadableRecordIsReportedAndTheReadGoesOn) {
  ScriptedReplies script(Package());
  script.Answer("271", {Register1("      ")});
  Variant record = Record({{"ESQUEMA", "006"}, {"DATAATUIMP", "d"}});
  EXPECT_FALSE(Load(record));
  ASSERT_EQ(host_->dialogs.size(), 1u);
  const AnsiString prefix =
      "Erro no recebimento dos par\xE2metros da fun\xE7\xE3o: Carrega_Dados_Impressora - "
      "Mdx_00200.bpl\r";
  EXPECT_EQ(host_->dialogs[0].text.substr(0, prefix.size()), prefix);
  EXPECT_NE(host_->dialogs[0].text.find("ECFIMP"), AnsiString::npos) << host_->dialogs[0].text;
  EXPECT_EQ(host_->dialogs[0].scheme, "001");
  EXPECT_EQ(host_->dialogs[0].kind, tmErro);
  // What was read is kept; what was not read comes back empty.
  EXPECT_EQ(record, Expected("d", "", "", "", "      "));
}

}  // namespace
}  // namespace mdx::test

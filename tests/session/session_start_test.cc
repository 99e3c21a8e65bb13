// StartImpFiscal, FechaPorta and StopImpFiscal in the build folder, where the
// package finds the serial substitute beside itself.
#include <gtest/gtest.h>

#include "session/session_fixture.h"
#include "status/scripted_replies.h"

namespace mdx::test {
namespace {

class SessionStartTest : public SessionTest {};

const char* const kSerialEntries[] = {"SwedaAbrePorta", "SwedaEnviaComando", "SwedaFechaPorta"};

TEST_F(SessionStartTest, StartLoadsTheSerialLibraryAndOpensThePort) {
  Variant record = SessionRecord("COM1", false);
  NUtilTaa() = false;
  EXPECT_TRUE(Start(record));
  EXPECT_TRUE(ImpFiscalOK());
  EXPECT_TRUE(NUtilTaa());
  // Loaded by name, it is the library the test loaded from this folder.
  EXPECT_EQ(Package().Global<void*>("ImpFisDLLHandle"), Package().serial());
  EXPECT_EQ(Entry("SwedaAbrePorta"), Package().SerialSymbol("AbrePorta"));
  EXPECT_EQ(Entry("SwedaEnviaComando"), Package().SerialSymbol("EnviaComando"));
  EXPECT_EQ(Entry("SwedaFechaPorta"), Package().SerialSymbol("FechaPorta"));
  EXPECT_EQ(Package().Global<int>("IdPortaImpFis"), 1);

  std::vector<AnsiString> log = LogTexts();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], AnsiString(59, '-'));
  EXPECT_EQ(log[1], "Inicializando sistema, abrindo porta de comunica\xE7\xE3oCOM1");
  EXPECT_EQ(SentCommands(log), (std::vector<AnsiString>{"23", "28", "12"}));
  // With nothing open the printer refuses the blind close: only logged.
  EXPECT_EQ(log.back(), "ERRO!!! .-E004");
  EXPECT_EQ(host_->delays, std::vector<int>{1});
  EXPECT_TRUE(host_->dialogs.empty());

  // A self-service terminal: no dialogs from now on.
  Variant selfService = SessionRecord("COM1", true);
  EXPECT_TRUE(Start(selfService));
  EXPECT_FALSE(NUtilTaa());
}

TEST_F(SessionStartTest, CloseStopAndStartAgain) {
  Variant record = SessionRecord();
  ASSERT_TRUE(Start(record));
  void* library = Package().Global<void*>("ImpFisDLLHandle");
  EXPECT_EQ(Close(), 1);
  EXPECT_EQ(Close(), 0);  // the port is closed already

  Stop();
  for (const char* name : kSerialEntries) EXPECT_EQ(Entry(name), nullptr) << name;
  EXPECT_TRUE(ImpFiscalOK());  // kept
  // No close entry: nothing is called.
  EXPECT_EQ(Close(), 0);

  // A new start resolves the entries again from the library already loaded.
  EXPECT_TRUE(Start(record));
  EXPECT_EQ(Package().Global<void*>("ImpFisDLLHandle"), library);
  for (const char* name : kSerialEntries) EXPECT_NE(Entry(name), nullptr) << name;
  EXPECT_EQ(Close(), 1);
}

TEST_F(SessionStartTest, FailedStartClearsTheVerdictOfAnEarlierOne) {
  Variant good = SessionRecord("COM1");
  ASSERT_TRUE(Start(good));
  ASSERT_TRUE(ImpFiscalOK());
  Variant bad = SessionRecord("COM99");
  EXPECT_FALSE(Start(bad));
  EXPECT_FALSE(ImpFiscalOK());
}

TEST_F(SessionStartTest, UnreadableRecordIsReportedOnceAndTheStartGoesOn) {
  const AnsiString prefix =
      "Erro no recebimento dos par\xE2metros da fun\xE7\xE3o: StartImpFiscal - Mdx_00200.bpl\r";
  struct Case {
    const char* what;
    Variant selfService;  // empty: no BOUTILTAA pair
  } cases[] = {{"missing", Variant()}, {"null", Variant::Null()}};
  for (const Case& c : cases) {
    host_->dialogs.clear();
    NUtilTaa() = false;
    std::vector<std::pair<AnsiString, Variant>> pairs = {{"CDFILIAL", "0001"},
                                                         {"CDCAIXA", "001"},
                                                         {"NRSERIEIMP", "SW0000001"},
                                                         {"ESQUEMA", "005"},
                                                         {"CDPORTAIMPFIS", "COM1"}};
    if (!c.selfService.IsEmpty()) pairs.push_back({"BOUTILTAA", c.selfService});
    Variant record = Record(pairs);
    EXPECT_TRUE(Start(record)) << c.what;
    EXPECT_TRUE(ImpFiscalOK()) << c.what;
    EXPECT_TRUE(NUtilTaa()) << c.what;  // not read: not a self-service terminal
    ASSERT_EQ(host_->dialogs.size(), 1u) << c.what;
    const DialogRequest& dialog = host_->dialogs[0];
    EXPECT_EQ(dialog.text.substr(0, prefix.size()), prefix) << c.what;
    EXPECT_GT(dialog.text.size(), prefix.size()) << c.what;  // the error's description
    EXPECT_EQ(dialog.kind, tmErro);
    EXPECT_EQ(dialog.scheme, "001");
    EXPECT_EQ(dialog.caption, "");
    EXPECT_EQ(dialog.option1, "N");
    EXPECT_EQ(dialog.option2, "N");
    if (c.selfService.IsEmpty()) {
      EXPECT_NE(dialog.text.find("BOUTILTAA"), AnsiString::npos) << dialog.text;
    }
  }
}

}  // namespace
}  // namespace mdx::test

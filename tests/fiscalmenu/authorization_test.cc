// VerificaSerialImp against the virtual printer (serial number SW0000001).
#include <gtest/gtest.h>

#include "mdx00200/platform.h"
#include "mdx00200/variant.h"
#include "fiscalmenu/menu_datasets.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

using CheckFn = bool (*)(const Variant&);

const AnsiString kWrongEcf =
    Utf8ToAnsi("Operação bloqueada. ECF ou Número de série da Impressora fiscal está incorreto. "
               "O sistema ficará bloqueado até que esta situação seja regularizada.");
const AnsiString kNoConfig = Utf8ToAnsi(
    "Arquivo de configuração da impressora fiscal não encontrado. O sistema será bloqueado.");
const AnsiString kNoPrinter = Utf8ToAnsi(
    "Erro de Comunicação com o ECF, verifique Cabos Seriais, Porta Serial (1 ou 2), ECF "
    "(Desligada ou Ligada)...");

class AuthorizationTest : public PackageTest {
 protected:
  Variant Record(bool usesPrinter, const AnsiString& expected) {
    return VarArrayOf({VarArrayOf({"UTILIZAIMPFIS", usesPrinter}),
                       VarArrayOf({"DSDIRCAD", host_->Directory()}),
                       VarArrayOf({"ESQUEMACOR", "007"}),
                       VarArrayOf({"REV_NRSERIE_IMP", expected})});
  }
  void StoreSerial(const AnsiString& serial) {
    WriteConfigFile(host_->Directory() + "Vendora.cds", serial);
  }
  bool Check(bool usesPrinter, const AnsiString& expected) {
    return Op<CheckFn>("VerificaSerialImp")(Record(usesPrinter, expected));
  }
  bool& ClieUtil() { return Package().Global<bool>("boClieUtil"); }
};

TEST_F(AuthorizationTest, SkippedWithoutFiscalPrinter) {
  EXPECT_TRUE(Check(false, "OTHER"));
  EXPECT_TRUE(SentFrames().empty());
  EXPECT_TRUE(host_->DialogTexts().empty());
}

TEST_F(AuthorizationTest, ComparesThePrinterWithTheFileAndTheHost) {
  struct Case {
    const char* stored;
    const char* expected;
    int wrongMessages;
  } cases[] = {
      {"SW0000001", "SW0000001", 0},
      {"SW0000001", "SW0000002", 1},   // the host expects another printer
      {"SW0000002", "SW0000001", 1},   // the file names another printer
      {"SW0000002", "SW0000003", 2},   // both differ: the message twice
      {"SW0000001 ", "SW0000001", 1},  // a blank in the stored value counts
      {"SW0000001", " SW0000001", 1},  // ... and in the host's value
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(AnsiString(c.stored) + " / " + c.expected);
    host_->dialogs.clear();
    ClieUtil() = true;
    StoreSerial(c.stored);
    EXPECT_EQ(Check(true, c.expected), c.wrongMessages == 0);
    EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>(c.wrongMessages, kWrongEcf));
    EXPECT_EQ(ClieUtil(), c.wrongMessages == 0);
  }
  EXPECT_EQ(SentFrames().back(), ".25}");
}

TEST_F(AuthorizationTest, SerialNumberShorterThanItsSlotIsTrimmed) {
  emulator::PrinterState state = Printer().State();
  state.serialNumber = "AB12";
  Printer().SetState(state);
  StoreSerial("AB12");
  EXPECT_TRUE(Check(true, "AB12"));
}

TEST_F(AuthorizationTest, SelfServiceTillShowsOnlyOnceTheStatusFailed) {
  NUtilTaa() = false;
  ClieUtil() = true;
  StoreSerial("SW0000002");
  // The first failing comparison is silent, but it clears boClieUtil, so the
  // second one is shown.
  EXPECT_FALSE(Check(true, "SW0000003"));
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{kWrongEcf});
  EXPECT_FALSE(ClieUtil());
}

TEST_F(AuthorizationTest, MissingOrUnreadableConfigurationBlocks) {
  EXPECT_FALSE(Check(true, "SW0000001"));
  platform::WriteFileAtomically(host_->Directory() + "Vendora.cds", "not a dataset");
  EXPECT_FALSE(Check(true, "SW0000001"));
  EXPECT_EQ(host_->DialogTexts(), (std::vector<AnsiString>{kNoConfig, kNoConfig}));
  EXPECT_FALSE(ClieUtil());
}

TEST_F(AuthorizationTest, PrinterNotAnsweringBlocks) {
  StoreSerial("SW0000001");
  Fault(emulator::FaultKind::kNoAnswer, "25", -1);
  EXPECT_FALSE(Check(true, "SW0000001"));
  const std::vector<AnsiString> texts = host_->DialogTexts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), kNoPrinter);
  EXPECT_FALSE(ClieUtil());
}

TEST_F(AuthorizationTest, ShortReplyGivesAnEmptySerialNumber) {
  StoreSerial("SW0000001");
  Fault(emulator::FaultKind::kRefuse, "27", 1);
  EXPECT_FALSE(Check(true, "SW0000001"));
  StoreSerial("");
  host_->dialogs.clear();
  Fault(emulator::FaultKind::kRefuse, "27", 1);
  EXPECT_TRUE(Check(true, ""));
}

}  // namespace
}  // namespace mdx::test

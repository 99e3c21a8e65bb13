// The register and status queries as a host calls them: the package loaded
// by name, the virtual printer behind it, register contents scripted.
#include <gtest/gtest.h>

#include <filesystem>

#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "status/scripted_replies.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;
using RetornoFn = AnsiString (*)(const AnsiString&, const AnsiString&, bool);
using EstadoFn = bool (*)(const AnsiString&, bool, bool);
using NrCupomFn = AnsiString (*)(const AnsiString&, const AnsiString&);
using TextOutFn = bool (*)(const AnsiString&, AnsiString&);

class RegisterQueriesTest : public PackageTest {
 protected:
  AnsiString Retorno(const AnsiString& code) {
    return Package().Op<RetornoFn>("RetornoImpFiscal")("001", code, false);
  }
  bool& ClieUtil() { return Package().Global<bool>("boClieUtil"); }
};

TEST_F(RegisterQueriesTest, RegisterHGivesTheCouponNumberAndTheCounter) {
  ScriptedReplies script(Package());
  script.Answer("27H", {RegisterH("000123", "000045")});
  EXPECT_EQ(Retorno("27"), "000123");
  EXPECT_EQ(Retorno("98"), "000045");
  EXPECT_EQ(SentCommands(LogTexts()), (std::vector<AnsiString>{"27H", "27H"}));
  EXPECT_EQ(LogTexts().back(), "Retorno da Impressora 000045");
}

TEST_F(RegisterQueriesTest, VirtualPrinterCountersAndGrandTotal) {
  emulator::PrinterState state = Printer().State();
  state.counters.coo = 123;
  state.counters.ccf = 45;
  state.grandTotal = 1234567;
  Printer().SetState(state);
  EXPECT_EQ(Retorno("27"), "000123");
  EXPECT_EQ(Retorno("98"), "000045");
  EXPECT_EQ(Package().Op<NrCupomFn>("Nr_Cupom")("", "001"), "000123");
  AnsiString total;
  EXPECT_TRUE(Package().Op<TextOutFn>("BuscaTotGer")("001", total));
  EXPECT_EQ(total, "12345,67");
}

TEST_F(RegisterQueriesTest, RegisterHIsAskedUntilComplete) {
  struct Case {
    const char* what;
    std::vector<AnsiString> replies;
    size_t sends;
    AnsiString number;
  } cases[] = {
      {"complete at once", {RegisterH("000001", "0"), RegisterH("000002", "0")}, 1, "000001"},
      {"incomplete first", {RegisterH("000001", "0", false), RegisterH("000002", "0")}, 2, "000002"},
      // Never complete: three asks, the last reply is used.
      {"never complete", {RegisterH("000003", "0", false)}, 3, "000003"},
      // A refusal gives no reply to look at: asked again, no number.
      {"refused", {".-E002"}, 3, ""},
      // Paper out counts as accepted on an attended till; its "-" ends the loop.
      {"paper out", {".-P005"}, 1, ""},
  };
  for (const Case& c : cases) {
    ScriptedReplies script(Package());
    script.Answer("27H", c.replies);
    std::filesystem::remove(LogPath());
    EXPECT_EQ(Retorno("27"), c.number) << c.what;
    EXPECT_EQ(SentCommands(LogTexts()).size(), c.sends) << c.what;
  }
}

TEST_F(RegisterQueriesTest, OtherCodesGiveTheLastReplyOrTheDrawerState) {
  SwedaRet() = ".+0000 last reply";
  EXPECT_EQ(Retorno(""), ".+0000 last reply");
  EXPECT_EQ(Retorno("28"), ".+0000 last reply");
  EXPECT_EQ(LogTexts().back(), "Retorno da Impressora .+0000 last reply");
  struct Case {
    AnsiString last;
    AnsiString state;
  } drawer[] = {{".+0000", "00"}, {".+0001", "01"}, {".+P005", "01"}, {"", "01"}};
  for (const Case& c : drawer) {
    SwedaRet() = c.last;
    EXPECT_EQ(Retorno("22"), c.state) << c.last;
  }
  EXPECT_TRUE(SentCommands(LogTexts()).empty());
}

TEST_F(RegisterQueriesTest, NrCupomAsksRegisterHOnlyAfterRegister1) {
  ScriptedReplies script(Package());
  script.Answer("27H", {RegisterH("000777", "000001")});
  auto nrCupom = Package().Op<NrCupomFn>("Nr_Cupom");
  EXPECT_EQ(nrCupom("ignored", "001"), "000777");
  EXPECT_EQ(SentCommands(LogTexts()), (std::vector<AnsiString>{"271", "27H"}));

  script.Answer("271", {".-E002"});
  std::filesystem::remove(LogPath());
  EXPECT_EQ(nrCupom("ignored", "001"), "");
  EXPECT_EQ(SentCommands(LogTexts()), std::vector<AnsiString>{"271"});
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(RegisterQueriesTest, EstadoImpSetsTheClientFlag) {
  auto estado = Package().Op<EstadoFn>("Estado_Imp");
  MensagemTaa() = " old messages";
  EXPECT_TRUE(estado("001", true, false));
  EXPECT_TRUE(ClieUtil());
  EXPECT_EQ(MensagemTaa(), "");

  Fault(FaultKind::kRefuse, "23");
  EXPECT_FALSE(estado("001", true, false));
  EXPECT_FALSE(ClieUtil());
  // The caller's busy flag reaches the channel.
  Fault(FaultKind::kBusy, "23", 2);
  EXPECT_TRUE(estado("001", true, true));
  EXPECT_TRUE(ClieUtil());
}

TEST_F(RegisterQueriesTest, GrandTotalIsWrittenWithTheCurrentSeparator) {
  ScriptedReplies script(Package());
  script.Answer("271", {Register1("150124", "00000000001234567")});
  auto buscaTotGer = Package().Op<TextOutFn>("BuscaTotGer");
  AnsiString total;
  EXPECT_TRUE(buscaTotGer("001", total));
  EXPECT_EQ(total, "12345,67");
  {
    FormatSettingsGuard settings;
    FormatSettings().DecimalSeparator = '.';
    EXPECT_TRUE(buscaTotGer("001", total));
    EXPECT_EQ(total, "12345.67");
  }
  script.Answer("271", {Register1("150124", "00000000000000000")});
  EXPECT_TRUE(buscaTotGer("001", total));
  EXPECT_EQ(total, "0");

  // Refused: false, the output as it was, the refusal gathered.
  script.Answer("271", {".-E002"});
  total = "kept";
  EXPECT_FALSE(buscaTotGer("001", total));
  EXPECT_EQ(total, "kept");
  EXPECT_NE(MensagemTaa(), "");
}

TEST_F(RegisterQueriesTest, GrandTotalThatIsNoNumberRaises) {
  ScriptedReplies script(Package());
  script.Answer("271", {Register1("150124", "0000000000ABCDE67")});
  auto buscaTotGer = Package().Op<TextOutFn>("BuscaTotGer");
  AnsiString total;
  EXPECT_THROW(buscaTotGer("001", total), EConvertError);
}

}  // namespace
}  // namespace mdx::test

// The single table commands (Config_Forma_Pg, Nomeia_TotParcial_Imp,
// Totaliza_NFiscal_Imp, Usa_CompNFis) and the loaders' refusal of a missing
// host dataset.
#include "mdx00200/exceptions.h"
#include "tables/tables_fixture.h"

namespace mdx::test {
namespace {

using ConfigFn = bool (*)(const AnsiString&, const AnsiString&, bool, bool);
using NameFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&, const AnsiString&,
                        const AnsiString&, bool, bool);
using TotalizeFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&);
using LineFn = bool (*)(const AnsiString&, const AnsiString&);

const AnsiString kInvalid = "Par\xE2metro inv\xE1lido.";

class TableCommandsTest : public TablesTest {
 protected:
  void ExpectRefusedUnsent(const AnsiString& what, bool shown) {
    EXPECT_EQ(Frames(), std::vector<AnsiString>{}) << what;
    ASSERT_FALSE(LogTexts().empty()) << what;
    EXPECT_EQ(LogTexts().back().substr(0, 8 + kInvalid.size()), "ERRO!!! " + kInvalid) << what;
    if (shown) {
      ASSERT_EQ(host_->dialogs.size(), 1u) << what;
      EXPECT_EQ(host_->dialogs[0].kind, tmErro);
      EXPECT_EQ(host_->dialogs[0].scheme, "001");
      EXPECT_EQ(MensagemTaa(), " " + host_->dialogs[0].text);
    } else {
      EXPECT_TRUE(host_->dialogs.empty()) << what;
      EXPECT_EQ(MensagemTaa(), "") << what;
    }
  }
};

TEST_F(TableCommandsTest, PaymentMethodsAreProgrammedAsGiven) {
  auto config = Package().Op<ConfigFn>("Config_Forma_Pg");
  EXPECT_TRUE(config("001", "SCHEQUE         SVALE           ", true, false));
  EXPECT_TRUE(config("001", "", true, false));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".39SCHEQUE         SVALE           }", ".39}"}));
  EXPECT_EQ(Printer().State().paymentMethods[1], (emulator::PaymentMethod{'S', "CHEQUE"}));
  EXPECT_EQ(Printer().State().paymentMethods[2], (emulator::PaymentMethod{'S', "VALE"}));
}

// A list that is not whole 16-character entries would shift every name after
// the short one; it never reaches the printer.
TEST_F(TableCommandsTest, MisalignedPaymentListIsRefused) {
  auto config = Package().Op<ConfigFn>("Config_Forma_Pg");
  for (bool own : {true, false}) {
    host_->dialogs.clear();
    MensagemTaa().clear();
    EXPECT_FALSE(config("001", "SCHEQUE SVALE           ", own, false));
    ExpectRefusedUnsent("own " + std::to_string(own), !own);
  }
  EXPECT_EQ(Printer().State().paymentMethods[1], emulator::PaymentMethod{});
}

TEST_F(TableCommandsTest, TotalizersAreNamedInWholeEntries) {
  auto name = Package().Op<NameFn>("Nomeia_TotParcial_Imp");
  EXPECT_TRUE(name("001", "N", "&GRUPO         ", "+ENTRADA X     ", "", false, false));
  EXPECT_EQ(Frames(), std::vector<AnsiString>{".38N&GRUPO         +ENTRADA X     }"});
  EXPECT_EQ(Printer().State().totalizers[1], (emulator::Totalizer{'+', "ENTRADA X"}));

  EXPECT_FALSE(name("001", "N", "&GRUPO", "+ENTRADA X     ", "", true, false));
  EXPECT_EQ(Frames().size(), 1u);
  EXPECT_EQ(Printer().State().totalizers[2], emulator::Totalizer{});
}

// The registration "10" carries a 2-digit position and a 12-digit amount; any
// other shape would register another amount on another method.
TEST_F(TableCommandsTest, TotalizationNeedsPositionAndAmountDigits) {
  auto totalize = Package().Op<TotalizeFn>("Totaliza_NFiscal_Imp");
  totalize("001", "01", "000000001250");
  EXPECT_EQ(Frames(), std::vector<AnsiString>{".1001000000001250}"});

  struct Case {
    AnsiString position, amount;
  } bad[] = {{"1", "000000001250"},  {"", "000000001250"}, {"001", "000000001250"},
             {"0A", "000000001250"}, {"01", "1250"},       {"01", "0000000012500"},
             {"01", "00000000125,0"}};
  for (const Case& c : bad) {
    const size_t sent = Frames().size();
    EXPECT_FALSE(totalize("001", c.position, c.amount)) << c.position << "/" << c.amount;
    EXPECT_EQ(Frames().size(), sent) << c.position << "/" << c.amount;
  }
  EXPECT_TRUE(host_->dialogs.empty());  // the callers report it themselves
}

TEST_F(TableCommandsTest, TextLineGoesToTheOpenReport) {
  ChangePrinter(
      [](emulator::PrinterState& s) { s.document = emulator::DocumentKind::kManagementReport; });
  EXPECT_TRUE(Package().Op<LineFn>("Usa_CompNFis")("001", "LINHA DE TESTE"));
  EXPECT_EQ(Frames(), std::vector<AnsiString>{".080LINHA DE TESTE}"});
  EXPECT_EQ(Printer().State().tape.back(), "LINHA DE TESTE");
}

TEST_F(TableCommandsTest, LoadersNeedAHostDataset) {
  TClientDataSet* none = nullptr;
  EXPECT_THROW(Package().Op<AliquotaFn>("CarregaAliquota")("001", none), EDatabaseError);
  EXPECT_THROW(Package().Op<RecebimentoFn>("CarregaRecebimento")("", "001", 1, none),
               EDatabaseError);
  // A dataset without a field the load writes is refused before the printer
  // is programmed.
  TClientDataSet partial;
  partial.FieldDefs().Add("CDTIPORECE", ftString, 3);
  partial.FieldDefs().Add("DSIMPFISCAL", ftString, 50);
  partial.FieldDefs().Add("IDTPBUTTON", ftString, 1);
  partial.CreateDataSet();
  partial.Append();
  partial.FieldByName("CDTIPORECE").SetAsString("002");
  partial.FieldByName("DSIMPFISCAL").SetAsString("Cheque");
  partial.FieldByName("IDTPBUTTON").SetAsString("5");
  partial.Post();
  TClientDataSet* target = &partial;
  EXPECT_THROW(Package().Op<RecebimentoFn>("CarregaRecebimento")("", "001", 1, target),
               EDatabaseError);
  EXPECT_EQ(Frames(), std::vector<AnsiString>{});
}

}  // namespace
}  // namespace mdx::test

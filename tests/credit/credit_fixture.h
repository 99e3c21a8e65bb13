// CreditTest: the report fixture (frames recorded on their way to the
// virtual printer) with the printer's non-fiscal totalizers loaded through
// CarregaTotalizador, the consumer-credit datasets of the data module
// emptied, and the credit operations resolved by their plain names.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "mdx00200/credit.h"
#include "mdx00200/data_module.h"
#include "mdx00200/dataset.h"
#include "reports/host_datasets.h"
#include "reports/report_fixture.h"

namespace mdx::test {

class CreditTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    using TotalizadorFn = void (*)(AnsiString&, AnsiString&, AnsiString&, AnsiString&,
                                   AnsiString&, Text, int, TClientDataSet*&);
    AnsiString cv, spare;
    TClientDataSet* none = nullptr;
    Op<TotalizadorFn>("CarregaTotalizador")(cv, consumerCardTotalizer, purchaseTotalizer,
                                            cancelTotalizer, spare, "001", 0, none);
    ASSERT_EQ(purchaseTotalizer.size(), 2u);
    ASSERT_EQ(cancelTotalizer.size(), 2u);
    Mdx00200::TdtmSweda200& dm = Module();
    for (TClientDataSet* ds :
         {dm.cdsProdCred, dm.cdsProdDeb, dm.cdsSaldCred, dm.cdsFamiliaSaldo, dm.cdsEmprestimo})
      ds->Close();
    ForgetFrames();
  }

  Mdx00200::TdtmSweda200& Module() {
    return *Package().Global<Mdx00200::TdtmSweda200*>("dtmSweda200");
  }
  // Gives a data-module dataset the host's data, as a host assigns a packet.
  static void Assign(TClientDataSet* target, const std::unique_ptr<TClientDataSet>& from) {
    target->SetData(from->Data());
  }

  AnsiString& Global(const char* name) { return Package().Global<AnsiString>(name); }
  std::vector<AnsiString> DialogTexts() { return host_->DialogTexts(); }
  const emulator::Accumulator& Totalizer(const AnsiString& position) {
    state_ = Printer().State();
    return state_.day.totalizers[static_cast<size_t>(std::stoi(position) - 1)];
  }
  emulator::DocumentKind Document() { return Printer().State().document; }

  // Compr_CredPessoal with the parameters it reads; the others are filled
  // with texts that must not show up anywhere.
  bool Purchase(TClientDataSet* movements, double previousBalance, Text consumer, Text deposit,
                Text family, Text totalizer = "") {
    AnsiString out7 = "out7", out8 = "out8";
    const AnsiString x = "unread";
    auto purchase = Op<decltype(&Mdx00200::Compr_CredPessoal)>("Compr_CredPessoal");
    return purchase(x, totalizer.empty() ? purchaseTotalizer : totalizer, "KEY", x, x, "001", out7,
                    out8, movements, previousBalance, consumer, deposit, x, x, x, x, x, x, x, x,
                    x, x, x, x, true, family, x, x);
  }
  // Cancela_Cred_Pessoal likewise.
  bool Cancellation(AnsiString& couponNumber, double amount, double finalBalance,
                    Text totalizer = "") {
    const AnsiString x = "unread";
    auto cancel = Op<decltype(&Mdx00200::Cancela_Cred_Pessoal)>("Cancela_Cred_Pessoal");
    return cancel(totalizer.empty() ? cancelTotalizer : totalizer, x, x, x, "001", couponNumber,
                  "D-77", "C123", "MARIA", "01", x, amount, finalBalance, "SILVA");
  }

  // Movements of a credit purchase: amount, payment position, payment kind.
  static std::unique_ptr<TClientDataSet> Movements(const std::vector<std::vector<Variant>>& rows) {
    return HostDataSet({"VRMOVIVEND:F", "CDFPIMPFIS:S10", "IDTIPORECE:S1"}, rows);
  }

  AnsiString purchaseTotalizer, cancelTotalizer, consumerCardTotalizer;

 private:
  emulator::PrinterState state_;
};

}  // namespace mdx::test

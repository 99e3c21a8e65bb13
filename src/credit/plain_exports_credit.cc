// The consumer credit and debit operations under their plain names, each
// forwarding to the operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using mdx::AnsiString;
using mdx::OleVariant;
using mdx::TClientDataSet;

extern "C" {

MDX_API bool Imp_CompVenCred(const AnsiString& scheme, const OleVariant& p2, const OleVariant& p3,
                             double saleAmount, const AnsiString& registration,
                             const AnsiString& consumerName, const AnsiString& clientCode,
                             const AnsiString& clientLine, const AnsiString& password,
                             const AnsiString& p10, double previousBalance, double subsidy,
                             double complement, const AnsiString& balanceMode) {
  return Mdx00200::Imp_CompVenCred(scheme, p2, p3, saleAmount, registration, consumerName,
                                   clientCode, clientLine, password, p10, previousBalance, subsidy,
                                   complement, balanceMode);
}

MDX_API bool Comp_DebitoCons(const AnsiString& scheme, const OleVariant& p2, double saleAmount,
                             const AnsiString& p4, const AnsiString& registration,
                             const AnsiString& consumerName, const AnsiString& clientCode,
                             const AnsiString& clientText, const AnsiString& password,
                             double previousBalance, double subsidy, double complement,
                             const AnsiString& layoutMode, const AnsiString& extraText,
                             const AnsiString& p15, const AnsiString& p16, const AnsiString& p17,
                             const OleVariant& p18) {
  return Mdx00200::Comp_DebitoCons(scheme, p2, saleAmount, p4, registration, consumerName,
                                   clientCode, clientText, password, previousBalance, subsidy,
                                   complement, layoutMode, extraText, p15, p16, p17, p18);
}

MDX_API bool Compr_CredPessoal(
    const AnsiString& p1, const AnsiString& totalizer, const AnsiString& documentKey,
    const AnsiString& p4, const AnsiString& p5, const AnsiString& scheme, AnsiString& p7,
    AnsiString& p8, TClientDataSet* movements, double previousBalance,
    const AnsiString& consumerName, const AnsiString& depositNumber, const AnsiString& p13,
    const AnsiString& p14, const AnsiString& p15, const AnsiString& p16, const AnsiString& p17,
    const AnsiString& p18, const AnsiString& p19, const AnsiString& p20, const AnsiString& p21,
    const AnsiString& p22, const AnsiString& p23, const AnsiString& p24, bool p25,
    const AnsiString& familyName, const AnsiString& p27, const AnsiString& p28) {
  return Mdx00200::Compr_CredPessoal(p1, totalizer, documentKey, p4, p5, scheme, p7, p8, movements,
                                     previousBalance, consumerName, depositNumber, p13, p14, p15,
                                     p16, p17, p18, p19, p20, p21, p22, p23, p24, p25, familyName,
                                     p27, p28);
}

MDX_API bool Cancela_Cred_Pessoal(const AnsiString& totalizer, const AnsiString& p2,
                                  const AnsiString& p3, const AnsiString& p4,
                                  const AnsiString& scheme, AnsiString& couponNumber,
                                  const AnsiString& depositNumber, const AnsiString& clientCode,
                                  const AnsiString& consumerName,
                                  const AnsiString& paymentPosition, const AnsiString& p11,
                                  double amount, double finalBalance,
                                  const AnsiString& familyName) {
  return Mdx00200::Cancela_Cred_Pessoal(totalizer, p2, p3, p4, scheme, couponNumber, depositNumber,
                                        clientCode, consumerName, paymentPosition, p11, amount,
                                        finalBalance, familyName);
}

MDX_API bool Cabecalho(const AnsiString& scheme, const AnsiString& title, const AnsiString& till,
                       const AnsiString& extraA, const AnsiString& extraB) {
  return Mdx00200::Cabecalho(scheme, title, till, extraA, extraB);
}

MDX_API bool ImpSaldo(const AnsiString& scheme, TClientDataSet* balances, const AnsiString& textA,
                      const AnsiString& textB) {
  return Mdx00200::ImpSaldo(scheme, balances, textA, textB);
}

MDX_API bool ImpSaldoDeb(const AnsiString& scheme, TClientDataSet* consumer,
                         const AnsiString& textA, const AnsiString& textB) {
  return Mdx00200::ImpSaldoDeb(scheme, consumer, textA, textB);
}

MDX_API bool SaldoNegativo(const AnsiString& scheme, TClientDataSet* types,
                           TClientDataSet* consumers, const AnsiString& text4,
                           const AnsiString& text5, const AnsiString& text6,
                           const AnsiString& text7) {
  return Mdx00200::SaldoNegativo(scheme, types, consumers, text4, text5, text6, text7);
}

MDX_API bool Extrato(const AnsiString& statement, const AnsiString& scheme) {
  return Mdx00200::Extrato(statement, scheme);
}

MDX_API bool Saldo_CredPessoal(const AnsiString& scheme, const AnsiString& title,
                               TClientDataSet* balances) {
  return Mdx00200::Saldo_CredPessoal(scheme, title, balances);
}

}  // extern "C"

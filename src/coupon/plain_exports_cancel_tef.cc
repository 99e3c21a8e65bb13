// The cancellations, the TEF receipts and the exchange coupon under their
// plain names. Each forwards to the operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool Cancela_UltimoItem(const AnsiString& scheme) {
  return Mdx00200::Cancela_UltimoItem(scheme);
}

MDX_API bool Cancela_ItGenerico(const AnsiString& scheme, const AnsiString& item,
                                const WideString& w1, const WideString& w2, const WideString& w3,
                                const WideString& w4, const WideString& w5, const WideString& w6,
                                const WideString& w7, double r1, double r2) {
  return Mdx00200::Cancela_ItGenerico(scheme, item, w1, w2, w3, w4, w5, w6, w7, r1, r2);
}

MDX_API bool Cancela_Cupom_Imp(const Variant* params, int highIndex, OleVariant& result) {
  return Mdx00200::Cancela_Cupom_Imp(params, highIndex, result);
}

MDX_API bool ImprimeTef(const AnsiString& text1, const AnsiString& text2,
                        const AnsiString& text3, const AnsiString& scheme,
                        TStringList* receipts, TStringList* copies, TStringList* list3,
                        TStringList* list4, const AnsiString& text5,
                        const AnsiString& paymentCode, const AnsiString& text7, double amount,
                        double real2, int mode, const AnsiString& kind,
                        const AnsiString& terminal) {
  return Mdx00200::ImprimeTef(text1, text2, text3, scheme, receipts, copies, list3, list4, text5,
                              paymentCode, text7, amount, real2, mode, kind, terminal);
}

MDX_API bool Cupom_Troca(const AnsiString& scheme, const AnsiString& p2, const AnsiString& p3,
                         const AnsiString& text) {
  return Mdx00200::Cupom_Troca(scheme, p2, p3, text);
}

}  // extern "C"

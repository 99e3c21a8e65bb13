// The restaurant documents under their plain names, each forwarding to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool Conferencia(const AnsiString& scheme, const AnsiString& p2, const AnsiString& p3,
                         AnsiString& p4, const AnsiString& tab, const AnsiString& table,
                         const AnsiString& waiter, const AnsiString& issued,
                         const OleVariant& items, double discount, double p11, double p12,
                         double serviceCharge, double p14, double total, double surcharge) {
  return Mdx00200::Conferencia(scheme, p2, p3, p4, tab, table, waiter, issued, items, discount,
                               p11, p12, serviceCharge, p14, total, surcharge);
}

MDX_API bool Abertura_Mesa(const AnsiString& scheme, const AnsiString& tab,
                           const AnsiString& table, const AnsiString& p4,
                           const AnsiString& issued, const OleVariant& items, double discount,
                           double p8, double p9, double serviceCharge, double p11, double total,
                           double surcharge) {
  return Mdx00200::Abertura_Mesa(scheme, tab, table, p4, issued, items, discount, p8, p9,
                                 serviceCharge, p11, total, surcharge);
}

MDX_API bool RegistroVenda(const AnsiString& p1, const AnsiString& p2, const AnsiString& scheme,
                           TClientDataSet* items, const AnsiString& number) {
  return Mdx00200::RegistroVenda(p1, p2, scheme, items, number);
}

MDX_API bool ImprimeMesasAbertas(TClientDataSet*& p1, const AnsiString& p2, const AnsiString& p3,
                                 const AnsiString& scheme, const OleVariant& tables) {
  return Mdx00200::ImprimeMesasAbertas(p1, p2, p3, scheme, tables);
}

MDX_API void imprimeProdutosTransf(const AnsiString& p1, const AnsiString& p2,
                                   const AnsiString& scheme, const OleVariant& products) {
  Mdx00200::imprimeProdutosTransf(p1, p2, scheme, products);
}

}  // extern "C"

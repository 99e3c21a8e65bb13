// The table operations under their plain names, for hosts that resolve them
// by name. Each forwards to the operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API void CarregaAliquota(const AnsiString& scheme, TClientDataSet*& hostDataSet) {
  Mdx00200::CarregaAliquota(scheme, hostDataSet);
}

MDX_API void CarregaRecebimento(const AnsiString& ignored, const AnsiString& scheme,
                                int firstPosition, TClientDataSet*& hostDataSet) {
  Mdx00200::CarregaRecebimento(ignored, scheme, firstPosition, hostDataSet);
}

MDX_API bool Config_Forma_Pg(const AnsiString& scheme, const AnsiString& methods,
                             bool ownErrorHandling, bool repeatWhileBusy) {
  return Mdx00200::Config_Forma_Pg(scheme, methods, ownErrorHandling, repeatWhileBusy);
}

MDX_API void CarregaTotalizador(AnsiString& cvIndex, AnsiString& consumerCardIndex,
                                AnsiString& creditPurchaseIndex, AnsiString& creditCancelIndex,
                                AnsiString& spare, const AnsiString& scheme, int unused,
                                TClientDataSet*& hostDataSet) {
  Mdx00200::CarregaTotalizador(cvIndex, consumerCardIndex, creditPurchaseIndex, creditCancelIndex,
                               spare, scheme, unused, hostDataSet);
}

MDX_API bool Totaliza_NFiscal_Imp(const AnsiString& scheme, const AnsiString& position,
                                  const AnsiString& amount) {
  return Mdx00200::Totaliza_NFiscal_Imp(scheme, position, amount);
}

MDX_API bool Nomeia_TotParcial_Imp(const AnsiString& scheme, const AnsiString& p1,
                                   const AnsiString& p2, const AnsiString& p3, const AnsiString& p4,
                                   bool ownErrorHandling, bool repeatWhileBusy) {
  return Mdx00200::Nomeia_TotParcial_Imp(scheme, p1, p2, p3, p4, ownErrorHandling, repeatWhileBusy);
}

MDX_API bool Usa_CompNFis(const AnsiString& scheme, const AnsiString& text) {
  return Mdx00200::Usa_CompNFis(scheme, text);
}

}  // extern "C"

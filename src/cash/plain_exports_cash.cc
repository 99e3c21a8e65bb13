// The management-report and receipt operations under their plain names. Each
// forwards to the operation of namespace Mdx00200 (imprimeBlocoSweda keeps
// its C++ name only).
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool FechRelatGerenc(const AnsiString& scheme, bool ownErrorHandling,
                             bool repeatWhileBusy) {
  return Mdx00200::FechRelatGerenc(scheme, ownErrorHandling, repeatWhileBusy);
}

MDX_API bool Relatorio_Gerencial_Imp(const AnsiString& scheme, const AnsiString& a,
                                     const AnsiString& b, const AnsiString& c,
                                     const AnsiString& d) {
  return Mdx00200::Relatorio_Gerencial_Imp(scheme, a, b, c, d);
}

MDX_API bool Relatorio_Generico(const AnsiString& scheme, const AnsiString& p2,
                                const AnsiString& p3, const AnsiString& text,
                                const AnsiString& key, const AnsiString& p6) {
  return Mdx00200::Relatorio_Generico(scheme, p2, p3, text, key, p6);
}

MDX_API bool Conferencia_Formatada(const AnsiString& scheme, const AnsiString& p2,
                                   const AnsiString& p3, const AnsiString& p4,
                                   const AnsiString& p5, const AnsiString& p6,
                                   AnsiString& couponNumber, const AnsiString& text) {
  return Mdx00200::Conferencia_Formatada(scheme, p2, p3, p4, p5, p6, couponNumber, text);
}

MDX_API bool imprimeTipoRece(const AnsiString& p1, const AnsiString& p2,
                             const AnsiString& scheme, const AnsiString& key,
                             const AnsiString& text) {
  return Mdx00200::imprimeTipoRece(p1, p2, scheme, key, text);
}

MDX_API bool Cupom_NFiscNVinc(const AnsiString& scheme, const AnsiString& a, const AnsiString& b,
                              const AnsiString& c, const AnsiString& d) {
  return Mdx00200::Cupom_NFiscNVinc(scheme, a, b, c, d);
}

MDX_API bool EstornoNaoFiscal(const AnsiString& scheme, const AnsiString& p2,
                              const AnsiString& p3, const AnsiString& p4) {
  return Mdx00200::EstornoNaoFiscal(scheme, p2, p3, p4);
}

MDX_API void GravaDocumentosNaoFiscais(const AnsiString& key, const AnsiString& scheme,
                                       const AnsiString& code, const AnsiString& extra) {
  Mdx00200::GravaDocumentosNaoFiscais(key, scheme, code, extra);
}

MDX_API void CarregaRelatorioGer(AnsiString& a, AnsiString& b, AnsiString& c, AnsiString& d,
                                 AnsiString& e, AnsiString& f, const AnsiString& g, int h) {
  Mdx00200::CarregaRelatorioGer(a, b, c, d, e, f, g, h);
}

}  // extern "C"

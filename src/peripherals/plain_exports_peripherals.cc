// The drawer, cutter, summer-time, cheque and bar-code operations under their
// plain names, each forwarding to the operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

extern "C" {

MDX_API bool Abre_Gaveta_Imp(const mdx::AnsiString& scheme, bool ownErrorHandling) {
  return Mdx00200::Abre_Gaveta_Imp(scheme, ownErrorHandling);
}

MDX_API mdx::AnsiString Estado_Gaveta_Imp(const mdx::AnsiString& scheme) {
  return Mdx00200::Estado_Gaveta_Imp(scheme);
}

MDX_API bool Guilhotina_Sweda(const mdx::AnsiString& scheme) {
  return Mdx00200::Guilhotina_Sweda(scheme);
}

MDX_API bool Estado_HorVerao(const mdx::AnsiString& scheme) {
  return Mdx00200::Estado_HorVerao(scheme);
}

MDX_API bool Muda_Horario(const mdx::AnsiString& scheme) { return Mdx00200::Muda_Horario(scheme); }

MDX_API bool Formato_Chq(const mdx::AnsiString& scheme, const mdx::AnsiString& format) {
  return Mdx00200::Formato_Chq(scheme, format);
}

MDX_API bool Altera_Chq(const mdx::AnsiString& scheme, const mdx::AnsiString& text1,
                        const mdx::AnsiString& text2) {
  return Mdx00200::Altera_Chq(scheme, text1, text2);
}

MDX_API bool Dados_Chq(const mdx::AnsiString& scheme, const mdx::AnsiString& text1,
                       const mdx::AnsiString& text2, const mdx::AnsiString& text3,
                       const mdx::AnsiString& text4) {
  return Mdx00200::Dados_Chq(scheme, text1, text2, text3, text4);
}

MDX_API bool Fecha_Imp_Chq_Sweda(const mdx::AnsiString& scheme, bool ownErrorHandling,
                                 bool repeatWhileBusy) {
  return Mdx00200::Fecha_Imp_Chq_Sweda(scheme, ownErrorHandling, repeatWhileBusy);
}

MDX_API bool CodigoBarra(const mdx::AnsiString& scheme, const mdx::AnsiString& p2,
                         const mdx::AnsiString& p3, int p4, const mdx::AnsiString& data,
                         const mdx::AnsiString& symbology) {
  return Mdx00200::CodigoBarra(scheme, p2, p3, p4, data, symbology);
}

}  // extern "C"

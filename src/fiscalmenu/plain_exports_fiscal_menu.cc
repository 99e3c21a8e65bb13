// The authorization check, the identification report, the printed
// fiscal-memory reading, GeraBinMes and geraEad under their plain names, each
// forwarding to the operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

extern "C" {

MDX_API bool VerificaSerialImp(const mdx::Variant& params) {
  return Mdx00200::VerificaSerialImp(params);
}

MDX_API void ImprimeDadosPaf(const mdx::Variant* params, int highIndex, mdx::OleVariant& result) {
  Mdx00200::ImprimeDadosPaf(params, highIndex, result);
}

MDX_API bool EmiteLeituraMemoriaFiscal(const mdx::AnsiString& scheme, const mdx::AnsiString& first,
                                       const mdx::AnsiString& last, const mdx::AnsiString& option,
                                       const mdx::AnsiString& rangeKind,
                                       const mdx::AnsiString& documentText) {
  return Mdx00200::EmiteLeituraMemoriaFiscal(scheme, first, last, option, rangeKind, documentText);
}

MDX_API bool GeraBinMes(mdx::TDateTime first, mdx::TDateTime last, const mdx::AnsiString& text) {
  return Mdx00200::GeraBinMes(first, last, text);
}

MDX_API void geraEad(const mdx::AnsiString& fileName) { Mdx00200::geraEad(fileName); }

}  // extern "C"

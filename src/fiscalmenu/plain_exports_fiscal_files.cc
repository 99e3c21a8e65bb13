// The fiscal-file generators under their plain names, each forwarding to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

extern "C" {

MDX_API bool geraEspelhoMfd(const mdx::Variant* params, int highIndex, mdx::OleVariant& result) {
  return Mdx00200::geraEspelhoMfd(params, highIndex, result);
}

MDX_API bool Gera_ArquivoMFD(const mdx::Variant* params, int highIndex, mdx::OleVariant& result) {
  return Mdx00200::Gera_ArquivoMFD(params, highIndex, result);
}

MDX_API bool EmiteLeituraMemoriaFiscalSerial(const mdx::Variant* params, int highIndex,
                                             mdx::OleVariant& result) {
  return Mdx00200::EmiteLeituraMemoriaFiscalSerial(params, highIndex, result);
}

MDX_API bool GeraCatGenerica(const mdx::Variant* params, int highIndex, mdx::TStringList*& files) {
  return Mdx00200::GeraCatGenerica(params, highIndex, files);
}

}  // extern "C"

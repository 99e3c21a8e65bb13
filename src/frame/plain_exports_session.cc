// The session operations under their plain names. Each forwards to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool StartImpFiscal(Variant& params) { return Mdx00200::StartImpFiscal(params); }

MDX_API bool AbrePorta(const Variant& params) { return Mdx00200::AbrePorta(params); }

MDX_API int FechaPorta() { return Mdx00200::FechaPorta(); }

MDX_API void StopImpFiscal() { Mdx00200::StopImpFiscal(); }

MDX_API bool Carrega_Dados_Impressora(Variant& params) {
  return Mdx00200::Carrega_Dados_Impressora(params);
}

}  // extern "C"

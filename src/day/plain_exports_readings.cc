// The day-reading operations under their plain names, each forwarding to the
// operation of namespace Mdx00200.
#include "mdx00200/mdx00200.h"

extern "C" {

MDX_API bool Leitura_X_Imp(const mdx::AnsiString& key, const mdx::AnsiString& p2,
                           const mdx::AnsiString& scheme, const mdx::AnsiString& p4) {
  return Mdx00200::Leitura_X_Imp(key, p2, scheme, p4);
}

MDX_API bool Reducao_Z_Imp(const mdx::AnsiString& key, const mdx::AnsiString& p2,
                           const mdx::AnsiString& scheme, const mdx::AnsiString& p4) {
  return Mdx00200::Reducao_Z_Imp(key, p2, scheme, p4);
}

MDX_API bool Memoria_Fiscal_Data_Sweda(const mdx::AnsiString& scheme, const mdx::AnsiString& first,
                                       const mdx::AnsiString& last) {
  return Mdx00200::Memoria_Fiscal_Data_Sweda(scheme, first, last);
}

MDX_API bool Memoria_Fiscal_RedZ_Sweda(const mdx::AnsiString& scheme, const mdx::AnsiString& first,
                                       const mdx::AnsiString& last) {
  return Mdx00200::Memoria_Fiscal_RedZ_Sweda(scheme, first, last);
}

MDX_API bool Leitura_Totais_Imp(const mdx::AnsiString& scheme, bool ownErrorHandling,
                                bool repeatWhileBusy) {
  return Mdx00200::Leitura_Totais_Imp(scheme, ownErrorHandling, repeatWhileBusy);
}

}  // extern "C"

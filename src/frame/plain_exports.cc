// The operations under their plain names, for hosts that resolve them by
// name. Each forwards to the operation of namespace Mdx00200. The helpers
// GetValue, FormataCNPJ, StrToPChar, imprimeBlocoSweda and
// ContadorCupomFiscalMFD are exported under their C++ names only.
#include "mdx00200/mdx00200.h"

using namespace Mdx00200;

extern "C" {

MDX_API bool EnviaComando_Sweda(const AnsiString& scheme, const AnsiString& code,
                                const AnsiString* params, int lastIndex, bool ownErrorHandling,
                                bool repeatWhileBusy) {
  return Mdx00200::EnviaComando_Sweda(scheme, code, params, lastIndex, ownErrorHandling,
                                      repeatWhileBusy);
}

MDX_API bool ImpressoraOk(const AnsiString& scheme, bool show, bool b3, bool b4) {
  return Mdx00200::ImpressoraOk(scheme, show, b3, b4);
}

MDX_API void ImpFisDebug(const AnsiString& text) { Mdx00200::ImpFisDebug(text); }

}  // extern "C"

// Cheque printing: each operation places the host's texts, in order, in one
// command.
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

bool Formato_Chq(const AnsiString& scheme, const AnsiString& format) {
  const AnsiString params[] = {"S", format};
  return EnviaComando_Sweda(scheme, "46", params, 1, false, true);
}

bool Altera_Chq(const AnsiString& scheme, const AnsiString& text1, const AnsiString& text2) {
  const AnsiString params[] = {text1, text2};
  return EnviaComando_Sweda(scheme, "45", params, 1, true, false);
}

bool Dados_Chq(const AnsiString& scheme, const AnsiString& text1, const AnsiString& text2,
               const AnsiString& text3, const AnsiString& text4) {
  const AnsiString params[] = {text1, text2, text3, text4};
  return EnviaComando_Sweda(scheme, "44", params, 3, true, false);
}

bool Fecha_Imp_Chq_Sweda(const AnsiString& scheme, bool ownErrorHandling, bool repeatWhileBusy) {
  return EnviaComando_Sweda(scheme, "_25", nullptr, -1, ownErrorHandling, repeatWhileBusy);
}

}  // namespace Mdx00200

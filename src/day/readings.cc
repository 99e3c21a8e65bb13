// The day's readings the printer composes and prints itself: the X reading,
// the Z reduction, the two fiscal-memory reports and the totals register.
#include "channel/status_command.h"
#include "mdx00200/hostlib.h"

namespace Mdx00200 {

namespace {

bool SendTwo(const AnsiString& scheme, const AnsiString& code, const AnsiString& first,
             const AnsiString& second) {
  const AnsiString params[] = {first, second};
  return EnviaComando_Sweda(scheme, code, params, 1, true, false);
}

}  // namespace

bool Leitura_X_Imp(const AnsiString& key, const AnsiString& /*unused2*/, const AnsiString& scheme,
                   const AnsiString& /*unused4*/) {
  const bool ok = channel::SendCommand(scheme, "13", "N", true, false);
  Consiste::Delay(1);
  if (ok) GravaDocumentosNaoFiscais(key, scheme, "LX", "");
  return ok;
}

bool Reducao_Z_Imp(const AnsiString& key, const AnsiString& /*unused2*/, const AnsiString& scheme,
                   const AnsiString& /*unused4*/) {
  // The host's date: a printer clock that drifted must not pick the day.
  const bool ok = SendTwo(scheme, "14", "N", mdx::FormatDateTime("ddmmyy", mdx::Date()));
  Consiste::Delay(40);
  if (ok) GravaDocumentosNaoFiscais(key, scheme, "RZ", "");
  return ok;
}

bool Memoria_Fiscal_Data_Sweda(const AnsiString& scheme, const AnsiString& first,
                               const AnsiString& last) {
  return SendTwo(scheme, "16", first, last);
}

bool Memoria_Fiscal_RedZ_Sweda(const AnsiString& scheme, const AnsiString& first,
                               const AnsiString& last) {
  return SendTwo(scheme, "15", first, last);
}

bool Leitura_Totais_Imp(const AnsiString& scheme, bool ownErrorHandling, bool repeatWhileBusy) {
  return channel::SendCommand(scheme, "27", "1", ownErrorHandling, repeatWhileBusy);
}

}  // namespace Mdx00200

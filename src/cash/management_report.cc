// The management-report operations: the open with the host's document
// register, the close, and the generic free-text reports.
#include "cash/report_text.h"
#include "channel/status_command.h"
#include "mdx00200/hostlib.h"

namespace Mdx00200 {

bool FechRelatGerenc(const AnsiString& scheme, bool ownErrorHandling, bool repeatWhileBusy) {
  return channel::SendCommand(scheme, "12", ownErrorHandling, repeatWhileBusy);
}

bool Relatorio_Gerencial_Imp(const AnsiString& scheme, const AnsiString& a, const AnsiString& b,
                             const AnsiString& /*c*/, const AnsiString& d) {
  const bool opened = channel::SendCommand(scheme, "13", "S", false, false);
  if (opened && !d.empty()) Srv_mdx::GravaCER(a, b, DataMoviFiscal(scheme));
  return opened;
}

bool Relatorio_Generico(const AnsiString& scheme, const AnsiString& /*unused2*/,
                        const AnsiString& /*unused3*/, const AnsiString& text,
                        const AnsiString& key, const AnsiString& /*unused6*/) {
  cash::OpenManagementReport(scheme);
  const bool closed = cash::PrintBlocksAndClose(scheme, text);
  if (closed) GravaDocumentosNaoFiscais(key, scheme, "RG", "");
  return closed;
}

bool Conferencia_Formatada(const AnsiString& scheme, const AnsiString& /*unused2*/,
                           const AnsiString& /*unused3*/, const AnsiString& /*unused4*/,
                           const AnsiString& /*unused5*/, const AnsiString& /*unused6*/,
                           AnsiString& couponNumber, const AnsiString& text) {
  cash::OpenManagementReport(scheme);
  couponNumber = RetornoImpFiscal(scheme, "27", false);
  return cash::PrintBlocksAndClose(scheme, text);
}

bool imprimeTipoRece(const AnsiString& /*unused1*/, const AnsiString& /*unused2*/,
                     const AnsiString& scheme, const AnsiString& key, const AnsiString& text) {
  cash::OpenManagementReport(scheme);
  const bool closed = cash::PrintBlocksAndClose(scheme, text);
  if (closed) GravaDocumentosNaoFiscais(key, scheme, "RG", "");
  return closed;
}

}  // namespace Mdx00200

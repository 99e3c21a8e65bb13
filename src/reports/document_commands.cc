#include "reports/document_commands.h"

#include "channel/status_command.h"

namespace Mdx00200::reports {

bool OpenReport(const AnsiString& scheme, bool ownErrorHandling) {
  return channel::SendCommand(scheme, "13", "S", ownErrorHandling, false);
}

bool SendLine(const AnsiString& scheme, const AnsiString& text, bool ownErrorHandling) {
  const AnsiString params[] = {"0", text};
  return EnviaComando_Sweda(scheme, "08", params, 1, ownErrorHandling, false);
}

bool SendSpacing(const AnsiString& scheme) {
  const AnsiString params[] = {"9", "1"};
  return EnviaComando_Sweda(scheme, "08", params, 1, false, false);
}

bool CloseReport(const AnsiString& scheme, bool ownErrorHandling) {
  return channel::SendCommand(scheme, "12", ownErrorHandling, false);
}

}  // namespace Mdx00200::reports

// The cash drawer: open it, ask whether it is closed.
#include "channel/status_command.h"

namespace Mdx00200 {

bool Abre_Gaveta_Imp(const AnsiString& scheme, bool ownErrorHandling) {
  return channel::SendCommand(scheme, "21", ownErrorHandling, false);
}

AnsiString Estado_Gaveta_Imp(const AnsiString& scheme) {
  if (!channel::SendCommand(scheme, "22", true, false)) return AnsiString();
  return RetornoImpFiscal(scheme, "22", false);
}

}  // namespace Mdx00200

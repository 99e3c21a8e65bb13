// Shorthands for EnviaComando_Sweda with no parameter or with one, the way
// the status and session operations send their commands.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::channel {

inline bool SendCommand(const AnsiString& scheme, const AnsiString& code, bool ownErrorHandling,
                        bool repeatWhileBusy) {
  return EnviaComando_Sweda(scheme, code, nullptr, -1, ownErrorHandling, repeatWhileBusy);
}

inline bool SendCommand(const AnsiString& scheme, const AnsiString& code, const AnsiString& param,
                        bool ownErrorHandling, bool repeatWhileBusy) {
  return EnviaComando_Sweda(scheme, code, &param, 0, ownErrorHandling, repeatWhileBusy);
}

}  // namespace Mdx00200::channel

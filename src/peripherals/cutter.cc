// The paper cutter.
#include "channel/status_command.h"

namespace Mdx00200 {

bool Guilhotina_Sweda(const AnsiString& scheme) {
  return channel::SendCommand(scheme, "62", "1", true, false);
}

}  // namespace Mdx00200

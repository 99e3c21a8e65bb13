// The closing's rule for a command the printer does not take.
#include "coupon/closing_state.h"
#include "coupon/lost_reply.h"
#include "coupon/sale_dialogs.h"

namespace Mdx00200::coupon {

bool SendWithPrintAgain(const ClosingState& s, const AnsiString& code,
                        const std::vector<AnsiString>& params) {
  const bool mayResend = s.tefInUse && boNUtilTaa;
  GuardedCommand command = PrepareCommand(s.p.scheme, code, params, true, mayResend);
  bool taken = SendGuarded(command);
  while (!taken) {
    if (!mayResend) {
      boClieUtil = false;
      return false;
    }
    if (!AskPrintAgain(s.p.scheme)) return false;
    taken = SendGuardedAgain(command);
  }
  return true;
}

}  // namespace Mdx00200::coupon

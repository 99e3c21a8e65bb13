// The closing's rule for a command the printer does not take.
#include "coupon/closing_state.h"
#include "coupon/sale_dialogs.h"

namespace Mdx00200::coupon {

bool SendWithPrintAgain(const ClosingState& s, const AnsiString& code,
                        const std::vector<AnsiString>& params) {
  for (;;) {
    if (SendSaleCommand(s.p.scheme, code, params, true)) return true;
    if (!(s.tefInUse && boNUtilTaa)) {
      boClieUtil = false;
      return false;
    }
    if (!AskPrintAgain(s.p.scheme)) return false;
  }
}

}  // namespace Mdx00200::coupon

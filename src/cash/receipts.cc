// Non-fiscal receipts: the receipt not linked to a coupon and the reversal of
// the last receipt.
#include "channel/status_command.h"

namespace Mdx00200 {

bool Cupom_NFiscNVinc(const AnsiString& scheme, const AnsiString& a, const AnsiString& b,
                      const AnsiString& c, const AnsiString& /*d*/) {
  const AnsiString params[] = {a, b, c};
  return EnviaComando_Sweda(scheme, "19", params, 2, boNUtilTaa, false);
}

bool EstornoNaoFiscal(const AnsiString& scheme, const AnsiString& /*unused2*/,
                      const AnsiString& /*unused3*/, const AnsiString& /*unused4*/) {
  channel::SendCommand(scheme, "12", true, false);
  const bool reversed = channel::SendCommand(scheme, "53", true, false);
  channel::SendCommand(scheme, "12", true, false);
  return reversed;
}

}  // namespace Mdx00200

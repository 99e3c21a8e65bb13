// The printer's summer-time switch, read from the "28" status.
#include "channel/reply_fields.h"
#include "channel/status_command.h"

namespace Mdx00200 {

namespace {

// Asks "28" and reads its indicator from the last reply, whatever the
// outcome: a refusal has no position 57 and reads as standard time.
bool SummerTimeInForce(const AnsiString& scheme) {
  channel::SendCommand(scheme, "28", false, true);
  return replies::SummerTime(SwedaRet);
}

}  // namespace

bool Estado_HorVerao(const AnsiString& scheme) { return SummerTimeInForce(scheme); }

bool Muda_Horario(const AnsiString& scheme) {
  const AnsiString other = SummerTimeInForce(scheme) ? "N" : "S";
  return channel::SendCommand(scheme, "36", other, false, false);
}

}  // namespace Mdx00200

#include "emulator/day_rules.h"

#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

void NoteDatePassed(CommandContext& context) {
  const PrinterState& s = context.State();
  if (s.zPending || !s.dayOpen || s.movementDate == 0) return;
  if (DateOf(context.Now()) > s.movementDate) context.Change().zPending = true;
}

bool DayClosedByZ(const PrinterState& state, TDateTime now) {
  return !state.dayOpen && state.closedDay != 0 && DateOf(now) <= state.closedDay;
}

std::optional<AnsiString> DayRefusal(const PrinterState& state, TDateTime now) {
  if (state.zPending) return Refused(kStatusZPending);
  if (DayClosedByZ(state, now)) return Refused(kStatusDayClosed);
  return std::nullopt;
}

}  // namespace mdx::emulator

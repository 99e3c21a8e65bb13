// The fiscal day's rules, as a fiscal printer enforces them: a day whose
// date has passed needs its Z reduction before any new document that counts
// in a day, and a day closed by its Z takes no such document until the
// printer's date passes it.
#pragma once

#include <optional>

#include "emulator/command_context.h"

namespace mdx::emulator {

// Sets the Z-pending flag when a fiscal day is open and the printer's date
// has passed its movement date. Run before every command. The flag stays
// until the Z reduction, even if the clock is set back.
void NoteDatePassed(CommandContext& context);

// True while the day of the last Z reduction is closed: no day is open and
// the printer's date is not past the day the Z closed.
bool DayClosedByZ(const PrinterState& state, TDateTime now);

// The refusal of a command that starts a document needing a fiscal day (a
// coupon, a receipt, a management report, an X reading, a cancellation or
// reversal document): kStatusZPending while a Z is pending, kStatusDayClosed
// while the day of the last Z is closed; nullopt when it may start.
std::optional<AnsiString> DayRefusal(const PrinterState& state, TDateTime now);

}  // namespace mdx::emulator

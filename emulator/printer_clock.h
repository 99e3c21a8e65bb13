// The printer's own clock: the system clock plus an offset kept in the
// printer's state, so a test or the console can make it differ from the till's.
#pragma once

#include <cstdint>

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"

namespace mdx::emulator {

class PrinterClock {
 public:
  // `system` nullptr means mdx::SystemNow.
  explicit PrinterClock(ClockFunction system);
  // The printer's time for an offset.
  TDateTime Now(int64_t offsetMs) const;
  // The offset that makes the printer's clock read `printerNow` at this moment.
  int64_t OffsetFor(TDateTime printerNow) const;

 private:
  ClockFunction system_;
};

// The day of `value` (its midnight), read as StatusDigits reads it; for
// dates after 30 December 1899.
TDateTime DateOf(TDateTime value);

// "DDMMYYhhnn", the date and time of the status reply.
AnsiString StatusDigits(TDateTime value);
// "dd/mm/yyyy hh:nn:ss", the date and time printed on document headers.
AnsiString TapeDateTime(TDateTime value);

}  // namespace mdx::emulator

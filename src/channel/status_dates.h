// Dates as the printer writes them: DDMMYY, and DDMMYYhhnn for its clock.
// The two-digit year is completed with the first two digits of the current
// year (the host's clock).
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"

namespace Mdx00200::channel {

// False, leaving `date` alone, unless the text is six digits of a valid date.
bool TryPrinterDate(const mdx::AnsiString& ddmmyy, mdx::TDateTime& date);
// False unless the text is ten digits of a valid date and time of day.
bool TryPrinterDateTime(const mdx::AnsiString& ddmmyyhhnn, mdx::TDateTime& value);
// The date, or today (midnight) when the text is no valid date.
mdx::TDateTime PrinterDateOrToday(const mdx::AnsiString& ddmmyy);

}  // namespace Mdx00200::channel

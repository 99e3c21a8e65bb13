// The console's steps on the printer itself, for what happens to a till's
// printer outside the package:
//   {"console": "set_clock", "clock": "07/12/2026 08:30:00"}
//       the next moment of the till's life: the host's clock stands there
//       and the printer's clock is set to it (a day passes, a night is
//       missed). The printer refuses a moment before its last document;
//   {"console": "program_tax_rates", "rates": [{"code": "T01", "rate": 18.00}, ...]}
//       programs the printer's tax-rate table from position 1, as the
//       maker's technician does before the printer is first used; the rest
//       of the table is left free. Refused while a fiscal day or a document
//       is open. A code is 3 capital letters or digits (its first letter: T
//       for ICMS, S for ISS), a rate 0 to 99.99 percent, at most 15 rates.
//   {"console": "detail_memory"}
//       one line per document of the printer's detail-tape memory ("detail
//       record: COO 12 coupon cancelled"), read from its journal: what a
//       crash check counts against the coupons the host was given.
// All need the printer in process: on a serial line they fail.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "call_context.h"
#include "script.h"
#include "emulator/virtual_printer.h"

namespace mdxconsole {

struct PrinterAccess {
  // The printer behind the serial library, asked anew at each step (the
  // package may switch it off and on); nullptr on a serial line.
  std::function<mdx::emulator::VirtualPrinter*()> printer;
  // Sets the host's clock.
  std::function<void(mdx::TDateTime)> setHostClock;
};

// True when `entry` is one of the steps above.
bool IsPrinterStep(const ScriptEntry& entry);

// Checks the step's members (context.dryRun) or runs it, adding the lines it
// shows. Returns false when the step ran and failed. Raises ScriptError for
// a malformed step.
bool RunPrinterStep(const ScriptEntry& entry, const PrinterAccess& access, CallContext& context,
                    std::vector<std::string>& lines);

}  // namespace mdxconsole

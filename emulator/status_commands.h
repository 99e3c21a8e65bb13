// Status and clock commands; none of them prints.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "23": plain status, no parameters. Reply ".+0000".
AnsiString PlainStatus(CommandContext& context, const AnsiString& params);

// "28": detailed status, no parameters. Reply of 57 characters:
//   10-17 state: "C LIVRE " (nothing open), "P VENDAS" (fiscal coupon
//         taking items), "E VENDAS" (fiscal coupon taking its payments),
//         "E NFISC " (non-fiscal receipt), "E RELGER" (management report)
//   21    "S" when a Z reduction is pending, else "N"
//   22    "S" while a fiscal day is open, else "N"
//   23-28 COO, 29-34 CCF, 35-40 GNF (6 digits each), 41-44 CRZ (4 digits)
//   47-56 the printer's date and time DDMMYYhhnn
//   57    "S" while summer time is in force, else "N"
//   7-9, 18-20, 45-46 blanks
AnsiString DetailedStatus(CommandContext& context, const AnsiString& params);

// "36" + "S" or "N": summer time on or off. Turning it on moves the clock an
// hour ahead, off an hour back; asking for the state in force changes nothing.
AnsiString SwitchSummerTime(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator

// Reading and programming the printer's tables; none of them prints.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "29" + a sub-code: a piece of a table, as a complete block (".+C", the
// ECF number at 4-6, the sub-code echoed at 7). Entries are at:
//   "3"  49-76   tax rates 1-4                   (length 76)
//   "4"  8-56    tax rates 5-11                  (56)
//   "5"  8-35    tax rates 12-15, 36-83 payment methods 1-3   (83)
//   "6"  8-119   payment methods 4-10            (119)
//   "Q"  8-103   payment methods 11-16           (103)
//   "R"  8-71    payment methods 17-20           (71)
//   "7"  38-127  totalizers 1-6                  (127)
//   "8", "9", "A", "B", "C"  8-127  totalizers 7-14, 15-22, 23-30, 31-38, 39-46
//   "D"  8-67    totalizers 47-50                (67)
// Positions before the entries hold zeros. Any other parameter is E003.
AnsiString ReadTable(CommandContext& context, const AnsiString& params);

// "38" + "N" + totalizer entries (AddTotalizers). E003 without the "N";
// E010 while a document is open; E005 when the table is full.
AnsiString NameTotalizers(CommandContext& context, const AnsiString& params);

// "39" + payment-method entries (AddPaymentMethods); an empty list is
// accepted. E010 while a document is open; E005 when the table is full.
AnsiString ProgramPaymentMethods(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator

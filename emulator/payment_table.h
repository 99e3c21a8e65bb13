// The payment-method table: its "29" entries and its programming with "39".
#pragma once

#include <string_view>

#include "emulator/printer_tables.h"

namespace mdx::emulator {

// The 16-character entry: flag + name blank-filled to 15; 16 blanks for a
// free entry.
AnsiString PaymentEntry(const PaymentMethod& method);

bool IsFree(const PaymentMethod& method);

// "39": `list` is entries of 16 characters, flag + name (see SplitEntries
// for a short last entry). Each entry whose name the table does not hold yet
// (SameName) goes to the first free position, in list order, with its flag
// and its name as given; an entry whose name is there already is taken and
// changes nothing. An empty list is accepted.
// Returns kStatusOk with the table changed, or the refusal with the table
// unchanged: kStatusBadParameters for an entry that cannot be read,
// kStatusTableFull when the new names do not all fit.
std::string_view AddPaymentMethods(PaymentTable& table, std::string_view list);

// Why the entry is invalid, or "" when it is valid: a free entry is
// PaymentMethod{}; a used one has a printable, non-blank flag and a name of
// 1 to 15 characters (see NameProblem).
AnsiString PaymentMethodProblem(const PaymentMethod& method);

}  // namespace mdx::emulator

// Reversing the last non-fiscal receipt ("53"). The refusal leaves the state
// as it was.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "53", no parameters (else E003): reverses the last document when it is a
// closed non-fiscal receipt with amounts on "+" or "-" totalizers
// (PrinterState::lastReceipt). Its entries leave their totalizers and its
// payments, net of change, leave their methods (ReverseClosedReceipt). It
// prints a document of its own (COO and GNF + 1) headed "ESTORNO NAO FISCAL"
// with the receipt's COO and "TOTAL ESTORNADO R$"; the receipt can then no
// longer be reversed. E010 while a document is open; E004 when the last
// document is not such a receipt (nothing closed since, a linked receipt, a
// receipt already reversed, or another document after it).
AnsiString ReverseReceipt(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator

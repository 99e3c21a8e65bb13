// The printer's 20-character fabrication number, derived from its serial
// number: the serial's other characters (its letters) in order, then its
// digits zero-filled on the left to 20 characters in all.
// "SW0000001" -> "SW000000000000000001", "AB12C3" -> "ABC00000000000000123".
#pragma once

#include "mdx00200/ansi_string.h"

namespace mdx::fiscalfiles {

inline constexpr int kFabricationNumberWidth = 20;

// A serial of more than 20 characters keeps its first 20 letters and digits
// in that order (the printer's serials have at most 9).
AnsiString FabricationNumber(const AnsiString& serialNumber);

}  // namespace mdx::fiscalfiles

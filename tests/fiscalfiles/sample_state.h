// A small printer state built by hand, for the writers and the entry points.
//
// 06/12/2026: COO 1 fiscal coupon (CCF 1) with two items and two payments,
//             COO 2 fiscal coupon cancelled while open (CCF 2),
//             COO 3 non-fiscal receipt (GNF 1), COO 4 Z reduction (CRZ 1);
// 07/12/2026: COO 5 management report (GNF 2), COO 6 Z reduction (CRZ 2).
// Serial number SW0000001 (fabrication number SW000000000000000001), ECF 7.
#pragma once

#include "emulator/printer_state.h"
#include "fiscalfiles/snapshot.h"

namespace mdx::fiscalfiles::test {

inline constexpr char kFabrication[] = "SW000000000000000001";

// dd/mm/2026 hh:nn:ss.
TDateTime At(int day, int hour, int minute, int second);

emulator::PrinterState SampleState();
// SampleState taken at 07/12/2026 18:30:15.
Snapshot SampleSnapshot();

// The `width` characters of `line` from 1-based `column`.
AnsiString Field(const AnsiString& line, int column, int width);
// The text cut at CR LF; a last line without CR LF is kept and marked.
std::vector<AnsiString> SplitLines(const AnsiString& text);

}  // namespace mdx::fiscalfiles::test

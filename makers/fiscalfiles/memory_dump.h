// The fiscal-memory conversion: the Z reductions of a range dumped into a
// binary work file, and the converted fiscal-memory file made from it.
//
// Work file (little-endian):
//   8 bytes   "MDXMF" 0x1A, version 1, 0
//   1 + n     serial number: its length, then its bytes
//   2         ECF number
//   1         range kind: 'D' days, 'R' CRZ numbers
//   4 + 4     first and last of the range (yyyymmdd, or the CRZ)
//   4         number of reductions, then 50 bytes each:
//             CRZ (2), date yyyymmdd (4), COO (4), grand total, gross sales,
//             cancellations, discounts, surcharges (8 each, cents)
//   4         CRC-32 of every byte before it
//
// Converted file: lines ending CR LF, numbers zero-filled, texts blank-filled.
//   E01 (once, first):  1-3 "E01", 4-23 fabrication number, 24-32 serial
//       number, 33-35 ECF number, 36 range kind ("D"/"R"), 37-44 first,
//       45-52 last (yyyymmdd or CRZ), 53-58 number of reductions
//   E12 (one per reduction, in fiscal-memory order): 1-3 "E12", 4-23
//       fabrication number, 24-27 CRZ, 28-35 date yyyymmdd, 36-41 COO,
//       42-58 grand total, 59-72 gross sales, 73-86 cancellations, 87-100
//       discounts, 101-114 surcharges, 115-128 net sales
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/printer_state.h"
#include "fiscalfiles/range.h"

namespace mdx::fiscalfiles {

struct MemoryDump {
  AnsiString serialNumber;
  int ecfNumber = 0;
  Range range;
  std::vector<emulator::ZRecord> reductions;

  bool operator==(const MemoryDump&) const = default;
};

// The reductions of `state` in `range`.
MemoryDump DumpOf(const emulator::PrinterState& state, const Range& range);

std::string EncodeMemoryDump(const MemoryDump& dump);
// nullopt for bytes that are not a whole, intact work file.
std::optional<MemoryDump> DecodeMemoryDump(const std::string& bytes);

AnsiString ConvertedMemoryText(const MemoryDump& dump);

}  // namespace mdx::fiscalfiles

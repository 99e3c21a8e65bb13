// The state file's lines for the fiscal memory (see state_codec.h):
//
//   z_records 1
//   z_record 1 1 20261206 5 1000 1000 0 0 0
//       position crz date(yyyymmdd) last_coo grand_total gross_sales
//       cancellations discounts surcharges
//
// Files written before the printer had a fiscal memory have no such lines.
#pragma once

#include <string>

#include "emulator/printer_state.h"
#include "emulator/state_lines.h"

namespace mdx::emulator {

// One "z_record" line at `position` (from 1), appended to `text`; and read
// back, its position following `last` (which becomes it).
void EncodeZRecord(const ZRecord& record, size_t position, std::string& text);
bool DecodeZRecord(StateReader& reader, int& last, ZRecord& record);

// Appends the lines to `text`.
void EncodeFiscalMemory(const PrinterState& state, std::string& text);

// Reads the lines when they are there; false (reason in the reader) on a bad one.
bool DecodeFiscalMemory(StateReader& reader, PrinterState& state);

}  // namespace mdx::emulator

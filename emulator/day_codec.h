// The state file's lines for the fiscal day's marks (see state_codec.h):
//
//   closed_day 20261206             the day the last Z closed, yyyymmdd (0 = none)
//   last_document_ms 4005727530000  the last document's start, milliseconds
//                                   from 30/12/1899 (0 = none)
//
// Files written before the printer kept them have no such lines: both are
// then 0 (no closed day, no document to keep the clock from going back).
#pragma once

#include <string>

#include "emulator/printer_state.h"
#include "emulator/state_lines.h"

namespace mdx::emulator {

// Appends the lines to `text`.
void EncodeDayMarks(const PrinterState& state, std::string& text);

// Reads the lines that are there; false (reason in the reader) on a bad one.
bool DecodeDayMarks(StateReader& reader, PrinterState& state);

}  // namespace mdx::emulator

// The state file's lines for the drawer and the cheque (see state_codec.h):
//
//   drawer_open 1
//   cheque_format 341               the cheque's format, escaped ("" for none)
//   cheque_printed 0
//   cheque_changes 1
//   cheque_change 1 ANO\x202026     position, the alteration escaped
//
// Files written before the printer kept them have no such lines: the drawer
// is then closed and the cheque (when one is in progress) has no format yet.
#pragma once

#include <string>

#include "emulator/printer_state.h"
#include "emulator/state_lines.h"

namespace mdx::emulator {

// Appends the lines to `text`.
void EncodeDevices(const PrinterState& state, std::string& text);

// Reads the lines that are there; false (reason in the reader) on a bad one.
bool DecodeDevices(StateReader& reader, PrinterState& state);

}  // namespace mdx::emulator

// The state file's text. One "name value" line per field in a fixed order,
// then the tape (a count line, one "|" line per tape line, bytes below 0x20,
// 0x7F and "\" escaped as "\xHH"), then "checksum" and the CRC-32 of every
// byte before that line, so a cut or altered file is recognised:
//
//   MDX virtual printer state 1
//   day_open 0
//   ...
//   tape 2
//   |line one
//   |line two
//   checksum 1a2b3c4d
#pragma once

#include <string>
#include <string_view>

#include "emulator/printer_state.h"

namespace mdx::emulator {

std::string EncodeState(const PrinterState& state);

// Decodes a state file's text into `state`. On damage returns false, leaves
// `state` unspecified and sets `error` to the line and the reason.
bool DecodeState(std::string_view text, PrinterState& state, AnsiString& error);

}  // namespace mdx::emulator

// The state file's lines for the detail-tape memory (see state_codec.h):
//
//   detail_tape_start -1            where the open document's lines start
//                                   on the tape (-1: no record open)
//   detail_documents 1
//   detail_document 1 5 coupon 20261206 140530000 1 0 0
//       position coo kind date(yyyymmdd) time(hhnnsszzz) counter cancelled
//       cancelled_coo
//   detail_coupon_coo 5             its coupon, as the sale lines
//   ...                             (sale_codec.h), when it has one
//   detail_receipt_group 0          its receipt, likewise
//   ...
//   detail_lines 2                  its printed lines, escaped as the tape's
//   |==========
//   |...
//
// Kinds: coupon, coupon_cancellation, receipt, linked_receipt,
// receipt_reversal, report, x_reading, z_reduction, memory_reading.
// Files written before the printer kept a detail memory have none of these
// lines and load with an empty one.
#pragma once

#include <string>

#include "emulator/printer_state.h"
#include "emulator/state_lines.h"

namespace mdx::emulator {

// One record's lines at `position` (from 1), appended to `text`; and read
// back, its position following `last` (which becomes it).
void EncodeDetailRecord(const DetailDocument& record, size_t position, std::string& text);
bool DecodeDetailRecord(StateReader& reader, int& last, DetailDocument& record);
// Only the record's first line: its COO, kind, time, counter and marks.
bool DecodeDetailHead(StateReader& reader, int& last, DetailDocument& record);

// Appends the lines to `text`. The records' times must be whole
// milliseconds from 30 December 1899 on (StateProblem sees to it).
void EncodeDetail(const PrinterState& state, std::string& text);

// Reads the lines when they are there; false (reason in the reader) on a bad one.
bool DecodeDetail(StateReader& reader, PrinterState& state);

}  // namespace mdx::emulator

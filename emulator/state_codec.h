// The state file's text. One "name value" line per field in a fixed order,
// then the tape (a count line, one "|" line per tape line), then "checksum"
// and the CRC-32 of every byte before that line, so a cut or altered file is
// recognised. Texts are escaped as EscapeText does.
//
//   MDX virtual printer state 7
//   day_open 0
//   ...
//   tape_width 48
//   x_readings 0                fields since version 2 (each may be missing)
//   movement_date 20261206      yyyymmdd, 0 = none
//   ...
//   tax_rates 4                 a table: the count of used entries, then
//   tax_rate 1 T01 1800         "name position rest" for each of them
//   ...
//   coupon_coo 5                the sale documents (sale_codec.h), since
//   ...                         version 3
//   z_records 1                 the fiscal memory (fiscal_memory_codec.h),
//   ...                         since version 5
//   drawer_open 0               the drawer and the cheque (device_codec.h),
//   ...                         since version 6
//   detail_tape_start -1        the detail-tape memory (detail_codec.h),
//   ...                         since version 7
//   tape_base 0                 lines and records kept in the journal only,
//   detail_base 0               since version 8
//   journal_file x.journal.1    the journal (journal_format.h) and the bytes
//   journal_length 1234         of it this file covers; with them, no z_records
//   tape 2
//   |line one
//   |line two
//   checksum 1a2b3c4d
//
// Files of version 1 have none of the later fields, files of version 2 none
// of the sale documents, files of version 4 no fiscal memory, files of
// version 5 no drawer and no cheque details, files of version 6 no detail
// memory, files of version 7 no journal (they hold the whole history); those,
// and any later field that is missing, take the fresh printer's value.
#pragma once

#include <string>
#include <string_view>

#include "emulator/printer_state.h"

namespace mdx::emulator {

// The file's version and the journal it names (a file of version 8 written
// beside one: the state store's snapshot).
struct StateFileFacts {
  int version = 0;
  AnsiString journalFile;     // "" when the file holds the whole history
  int64_t journalLength = 0;  // bytes of the journal the file covers
};

// The state's text. With `journal`, it names that journal and leaves out the
// fiscal memory, which the journal holds.
std::string EncodeState(const PrinterState& state, const StateFileFacts* journal = nullptr);

// Decodes a state file's text into `state`. On damage (or a state that
// StateProblem rejects) returns false, leaves `state` unspecified and sets
// `error` to the line and the reason. `facts`, when given, learns the
// version and the journal.
bool DecodeState(std::string_view text, PrinterState& state, AnsiString& error,
                 StateFileFacts* facts = nullptr);

}  // namespace mdx::emulator

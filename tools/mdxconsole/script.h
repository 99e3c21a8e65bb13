// A console script: a JSON object
//   {"title": "text",                  optional, not read
//    "clock": "dd/mm/yyyy hh:nn:ss",   optional: the host's clock stands
//                                       there and the printer's is set to it
//    "answer": false,                  optional: the default dialog answer
//    "calls": [ENTRY, ...]}
// ENTRY:
//   {"op": "AbreCupom", "args": [...],       an exported operation
//    "answers": [true, false],               optional: this call's dialogs
//    "expect": true,                         optional: the result it must give
//                                            (a false it expects is no error)
//    "note": "text"}                         optional: shown before the call
//   {"console": "write_cds" | "make_folders" | "verify_ead", ...}   a console step (console_steps.h)
//   {"console": "set_clock" | "program_tax_rates" | "detail_memory", ...} a step on the printer (printer_steps.h)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "call_context.h"
#include "json/json_text.h"
#include "mdx00200/datetime.h"

namespace mdxconsole {

struct ScriptEntry {
  int number = 0;  // 1-based position in "calls"
  std::string op;       // the operation, or
  std::string console;  // the console step
  std::vector<mdxjson::Json> args;
  std::vector<bool> answers;
  bool hasAnswers = false;
  std::optional<mdxjson::Json> expect;
  std::string note;
  mdxjson::Json raw;  // the whole entry, for console steps

  // "entry 3 (AbreCupom)", for messages.
  std::string Describe() const;
};

struct Script {
  std::string path;
  std::string folder;  // the script's folder with a trailing separator
  std::optional<mdx::TDateTime> clock;
  bool defaultAnswer = false;
  std::vector<ScriptEntry> entries;
};

// Reads and checks the script's shape (not yet the operations and their
// arguments). Raises ScriptError naming the file, and the entry when one is
// at fault.
Script LoadScript(const std::string& path);

}  // namespace mdxconsole

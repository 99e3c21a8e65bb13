// The state file on disk: loading (a missing or damaged file is reported,
// never fatal) and saving (temporary file beside it, then renamed over it).
#pragma once

#include "emulator/printer_state.h"

namespace mdx::emulator {

enum class LoadOutcome { kLoaded, kMissing, kDamaged };

struct LoadResult {
  LoadOutcome outcome = LoadOutcome::kMissing;
  // For kMissing and kDamaged: one line that names the file and says what the
  // printer does about it.
  AnsiString message;
};

// Loads `path` into `state` (kLoaded). A missing file leaves `state` alone
// (kMissing). A file that cannot be read or decoded leaves `state` alone and
// is moved aside to path + ".damaged" so the next save does not destroy it
// (kDamaged); so is a folder standing where the file should be. Never throws.
LoadResult LoadStateFile(const AnsiString& path, PrinterState& state);

// Writes the state to `path` atomically. Returns false with the reason in
// `error` when it cannot. Never throws.
bool SaveStateFile(const AnsiString& path, const PrinterState& state, AnsiString& error);

}  // namespace mdx::emulator

// The printer's state on disk: the state file, a small snapshot of what
// changes (counters, totals, tables, the open document, the last detail
// record, the open document's tape lines), and beside it the journal
// (journal_format.h) where what only grows is appended: the paper tape, the
// detail-tape memory, the fiscal memory. A command's cost on disk is an
// append to the journal and a rewrite of the snapshot, whatever the history.
//
// Committing appends and syncs the journal, then replaces the snapshot
// (temporary file, sync, rename, the folder synced): the snapshot's
// "journal_length" is the commit point, so journal bytes after it belong to
// a command that was never answered and are dropped when the printer opens.
#pragma once

#include <cstdint>
#include <vector>

#include "emulator/journal_file.h"
#include "emulator/journal_format.h"
#include "emulator/journal_index.h"
#include "emulator/printer_state.h"

namespace mdx::emulator {

enum class LoadOutcome { kLoaded, kMissing, kDamaged };

struct LoadResult {
  LoadOutcome outcome = LoadOutcome::kMissing;
  // What the printer has to say about its files, one line each, each naming
  // the file and what the printer did: missing, damaged and moved aside,
  // converted from an earlier version, an unanswered command dropped.
  std::vector<AnsiString> messages;
};

// Whether loading may write: a printer loads for writing (it converts a file
// of an earlier version); a tool that only looks at another process's
// printer reads.
enum class LoadMode { kForWriting, kReadOnly };

class StateStore {
 public:
  explicit StateStore(AnsiString path) : path_(std::move(path)) {}
  StateStore(const StateStore&) = delete;
  StateStore& operator=(const StateStore&) = delete;

  // Loads the state file and its journal into `state`: the snapshot, the
  // whole fiscal memory, and tapeBase/detailBase saying how much of the
  // tape and the detail memory stays on disk (kLoaded). A missing file
  // leaves `state` alone (kMissing). A snapshot that cannot be read or
  // decoded leaves `state` alone and is moved aside to path + ".damaged"
  // (kDamaged); so is a folder standing where the file should be. Damaged
  // journal records are reported and set aside (the journal is copied to
  // "<journal>.damaged"), the rest loads. A file of version 7 or earlier
  // is converted (kForWriting): the old file is kept as path + ".v<n>".
  // Never throws.
  LoadResult Load(PrinterState& state, LoadMode mode = LoadMode::kForWriting);

  // Makes `state` durable: appends to the journal the tape lines, detail
  // records (all but the last, which may still change) and Z records it
  // does not hold yet, syncs, and replaces the snapshot. Then drops from
  // `state` what is on disk only: the tape before the open document, the
  // detail records before the last. False with the reason in `error`,
  // `state` untouched; so when another printer object on the same files
  // has written since (this one then saves no more). Never throws.
  bool Commit(PrinterState& state, AnsiString& error);

  // Replaces everything on disk with `state`, whose tape and detail memory
  // must be whole (bases 0): a new journal, then the snapshot naming it,
  // then the old journal removed. Trims `state` as Commit does.
  bool Replace(PrinterState& state, AnsiString& error);

  // Where things are in the journal (a copy reads it as it stands now).
  const JournalIndex& Index() const { return index_; }
  // The state with its tape from line `tapeFrom` and its detail memory from
  // record `detailFrom` read back (the bases become them; 0 for the whole).
  void ReadHistory(PrinterState& state, int64_t tapeFrom = 0, int64_t detailFrom = 0) const;

  const AnsiString& Path() const { return path_; }
  // The journal's path ("" before the first commit).
  AnsiString JournalPath() const;

 private:
  void Scan(PrinterState& state, LoadResult& result, LoadMode mode);
  bool Append(JournalType type, const std::string& payload, AnsiString& error);
  bool Convert(PrinterState& state, int version, LoadResult& result);

  AnsiString path_;
  AnsiString journalName_;  // file name, in the state file's folder
  JournalFile journal_;
  // The journal may hold bytes of this printer's after index_.committed (a
  // torn tail found at loading, a failed command): the next commit cuts them.
  bool reopen_ = true;
  JournalIndex index_;
  size_t zRecords_ = 0;  // Z records in the journal
  // Another printer object wrote to the journal since this one did: this one
  // saves no more (until Replace).
  bool superseded_ = false;
};

}  // namespace mdx::emulator

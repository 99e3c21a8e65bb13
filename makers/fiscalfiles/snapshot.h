// What a capture keeps of the printer: its state at one moment, as the files
// are written from it.
#pragma once

#include "emulator/journal_index.h"
#include "emulator/printer_state.h"
#include "mdx00200/datetime.h"

namespace mdx::fiscalfiles {

struct Snapshot {
  // The detail records from state.detailBase on; those before it are read
  // from `history` when a file needs them.
  emulator::PrinterState state;
  emulator::JournalIndex history;
  TDateTime taken = 0;  // the printer's clock at the capture
};

// The snapshot of `state` taken at `taken`: without the paper tape (the
// detail-tape memory holds every finished document's lines) and without the
// record of a document still open, which has no lines yet and whose
// contents may still change. `history` holds the records before
// state.detailBase (a printer's RecentState and HistoryIndex); none when the
// state is whole.
Snapshot TakeSnapshot(emulator::PrinterState state, TDateTime taken,
                      emulator::JournalIndex history = {});

}  // namespace mdx::fiscalfiles

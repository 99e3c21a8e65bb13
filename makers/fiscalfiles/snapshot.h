// What a capture keeps of the printer: its state at one moment, as the files
// are written from it.
#pragma once

#include "emulator/printer_state.h"
#include "mdx00200/datetime.h"

namespace mdx::fiscalfiles {

struct Snapshot {
  emulator::PrinterState state;
  TDateTime taken = 0;  // the printer's clock at the capture
};

// The snapshot of `state` taken at `taken`: without the paper tape (the
// detail-tape memory holds every finished document's lines) and without the
// record of a document still open, which has no lines yet and whose
// contents may still change.
Snapshot TakeSnapshot(emulator::PrinterState state, TDateTime taken);

}  // namespace mdx::fiscalfiles

// Finding the printer: the virtual printer that the serial library holds,
// the same one the package's port talks to. The library is opened by name
// (SERSWEDA.dll / libSERSWEDA.so, already loaded by the package, so the same
// module) and its control entry Sersweda_VirtualPrinter hands the printer
// over, creating it from the environment settings when there was none yet.
#pragma once

#include "emulator/virtual_printer.h"

namespace mdx::fiscalfiles {

// The printer, or nullptr when the serial library or its entry cannot be
// found. The library stays open for the process once found.
emulator::VirtualPrinter* FindPrinter();

enum class Reach {
  kAnswers,   // the printer answered the status query
  kNoAnswer,  // it gave no answer
  kAbsent,    // there is no printer
};

// Sends the plain status query ESC ".23}", which changes nothing on the
// printer. Any reply counts as an answer, a refusal or paper warning too.
Reach Probe(emulator::VirtualPrinter* printer);

}  // namespace mdx::fiscalfiles

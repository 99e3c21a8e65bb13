#include "fiscalfiles/snapshot.h"

#include <utility>

namespace mdx::fiscalfiles {

Snapshot TakeSnapshot(emulator::PrinterState state, TDateTime taken,
                      emulator::JournalIndex history) {
  state.tape.clear();
  state.tape.shrink_to_fit();
  if (state.detailTapeStart >= 0 && !state.detail.empty()) state.detail.pop_back();
  state.detailTapeStart = -1;
  return Snapshot{std::move(state), std::move(history), taken};
}

}  // namespace mdx::fiscalfiles

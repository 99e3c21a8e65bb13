#include "emulator/documents.h"

#include "emulator/paper_tape.h"
#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

int NextCount(int counter) {
  return counter >= kLargestDocumentCount || counter < 0 ? 1 : counter + 1;
}

void StartDocument(PrinterState& state, TDateTime now, std::string_view title,
                   const std::vector<AnsiString>& headLines) {
  if (state.movementDate == 0) state.movementDate = DateOf(now);
  state.dayOpen = true;
  state.counters.coo = NextCount(state.counters.coo);
  state.lastCouponCoo = 0;
  state.lastReceipt = Receipt{};
  const int width = state.tapeWidth;
  state.tape.push_back(RuleLine(width, '='));
  for (const AnsiString& line : headLines) state.tape.push_back(line);
  state.tape.push_back(
      LeftAndRight(TapeDateTime(now), "COO:" + ZeroFilled(state.counters.coo, 6), width));
  state.tape.push_back(Centred(title, width));
  state.tape.push_back(RuleLine(width, '-'));
}

void PrintInDocument(PrinterState& state, std::string_view text) {
  PrintText(state.tape, state.tapeWidth, text);
}

void EndDocument(PrinterState& state) { state.tape.push_back(RuleLine(state.tapeWidth, '=')); }

}  // namespace mdx::emulator

#include "emulator/documents.h"

#include "emulator/detail_records.h"
#include "emulator/paper_tape.h"
#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

constexpr int kLargestZCount = 9999;

// Advances the counters a document of `kind` moves besides the COO; returns
// the one its detail record carries (0 for none).
int CountDocument(Counters& counters, DetailKind kind) {
  switch (kind) {
    case DetailKind::kFiscalCoupon:
      counters.ccf = NextCount(counters.ccf);
      return counters.ccf;
    case DetailKind::kManagementReport:
      counters.grg = NextCount(counters.grg);
      counters.gnf = NextCount(counters.gnf);
      return counters.gnf;
    case DetailKind::kNonFiscalReceipt:
    case DetailKind::kLinkedReceipt:
    case DetailKind::kReceiptReversal:
      counters.gnf = NextCount(counters.gnf);
      return counters.gnf;
    case DetailKind::kZReduction:
      counters.crz = counters.crz >= kLargestZCount || counters.crz < 0 ? 1 : counters.crz + 1;
      return counters.crz;
    case DetailKind::kCouponCancellation:
    case DetailKind::kXReading:
    case DetailKind::kMemoryReading: break;
  }
  return 0;
}

}  // namespace

int NextCount(int counter) {
  return counter >= kLargestDocumentCount || counter < 0 ? 1 : counter + 1;
}

DetailDocument& StartDocument(PrinterState& state, TDateTime now, DetailKind kind,
                              std::string_view title, const std::vector<AnsiString>& headLines) {
  // A reading of the fiscal memory and the Z itself do not open a day.
  if (kind != DetailKind::kMemoryReading && kind != DetailKind::kZReduction) {
    if (state.movementDate == 0) state.movementDate = DateOf(now);
    state.dayOpen = true;
  }
  state.lastDocumentTime = now;
  state.counters.coo = NextCount(state.counters.coo);
  const int counter = CountDocument(state.counters, kind);
  state.lastCouponCoo = 0;
  state.lastReceipt = Receipt{};
  DetailDocument& record = OpenDetailRecord(state, kind, now, counter);
  const int width = state.tapeWidth;
  state.tape.push_back(RuleLine(width, '='));
  for (const AnsiString& line : headLines) state.tape.push_back(line);
  state.tape.push_back(
      LeftAndRight(TapeDateTime(now), "COO:" + ZeroFilled(state.counters.coo, 6), width));
  state.tape.push_back(Centred(title, width));
  state.tape.push_back(RuleLine(width, '-'));
  return record;
}

void PrintInDocument(PrinterState& state, std::string_view text) {
  PrintText(state.tape, state.tapeWidth, text);
}

DetailDocument* EndDocument(PrinterState& state) {
  state.tape.push_back(RuleLine(state.tapeWidth, '='));
  return CloseDetailRecord(state);
}

}  // namespace mdx::emulator

#include "emulator/detail_records.h"

#include "emulator/table_entries.h"

namespace mdx::emulator {

namespace {

// The line as the detail memory keeps it: printable characters, at most
// the tape's width.
AnsiString KeptLine(const AnsiString& line, size_t width) {
  AnsiString kept;
  for (char c : line) {
    if (IsPrintable(c)) kept += c;
  }
  if (kept.size() > width) kept.resize(width);
  return kept;
}

}  // namespace

DetailDocument& OpenDetailRecord(PrinterState& state, DetailKind kind, TDateTime issued,
                                 int counter) {
  CloseDetailRecord(state);
  DetailDocument record;
  record.coo = state.counters.coo;
  record.kind = kind;
  record.issued = issued;
  record.counter = counter;
  state.detail.push_back(std::move(record));
  state.detailTapeStart = state.tapeBase + static_cast<int64_t>(state.tape.size());
  return state.detail.back();
}

DetailDocument* CloseDetailRecord(PrinterState& state) {
  if (state.detailTapeStart < 0 || state.detail.empty()) {
    state.detailTapeStart = -1;
    return nullptr;
  }
  DetailDocument& record = state.detail.back();
  const size_t width = static_cast<size_t>(state.tapeWidth > 0 ? state.tapeWidth : 0);
  const int64_t first = state.detailTapeStart - state.tapeBase;
  size_t at = first > 0 ? static_cast<size_t>(first) : 0;
  record.lines.clear();
  for (; at < state.tape.size(); ++at) record.lines.push_back(KeptLine(state.tape[at], width));
  switch (record.kind) {
    case DetailKind::kFiscalCoupon: record.coupon = state.coupon; break;
    case DetailKind::kNonFiscalReceipt:
    case DetailKind::kLinkedReceipt: record.receipt = state.receipt; break;
    default: break;
  }
  state.detailTapeStart = -1;
  return &record;
}

DetailDocument* FindCouponRecord(PrinterState& state, int coo) {
  for (size_t k = state.detail.size(); k > 0; --k) {
    DetailDocument& record = state.detail[k - 1];
    if (record.kind == DetailKind::kFiscalCoupon && record.coo == coo) return &record;
  }
  return nullptr;
}

}  // namespace mdx::emulator

#include "emulator/detail_check.h"

#include "emulator/documents.h"
#include "emulator/sale_check.h"
#include "emulator/table_entries.h"

namespace mdx::emulator {

namespace {

constexpr TDateTime kEndOfLastDate = 2958466;  // 1 January 10000

bool IsKind(DetailKind kind) {
  const int k = static_cast<int>(kind);
  return k >= static_cast<int>(DetailKind::kFiscalCoupon) &&
         k <= static_cast<int>(DetailKind::kMemoryReading);
}

bool IsWholeMillisecond(TDateTime t) {
  return t >= 0 && t < kEndOfLastDate && MillisecondsToDateTime(DateTimeToMilliseconds(t)) == t;
}

bool IsCount(int value) { return value >= 0 && value <= kLargestDocumentCount; }

AnsiString LinesProblem(const AnsiString& what, const std::vector<AnsiString>& lines, int width) {
  for (size_t k = 0; k < lines.size(); ++k) {
    const AnsiString& line = lines[k];
    const AnsiString name = what + ": line " + std::to_string(k + 1);
    if (line.size() > static_cast<size_t>(width)) return name + " is wider than the tape";
    for (char c : line) {
      if (!IsPrintable(c)) return name + " holds a control character";
    }
  }
  return "";
}

AnsiString RecordProblem(const AnsiString& what, const DetailDocument& d, int width) {
  if (d.coo < 1 || d.coo > kLargestDocumentCount) return what + ": COO must be 1 to 999999";
  if (!IsKind(d.kind)) return what + ": unknown kind";
  if (!IsWholeMillisecond(d.issued)) {
    return what + ": time must be whole milliseconds from 30/12/1899 to 31/12/9999";
  }
  if (!IsCount(d.counter)) return what + ": counter must be 0 to 999999";
  if (!IsCount(d.cancelledCoo)) return what + ": cancelled COO must be 0 to 999999";
  AnsiString problem = CouponProblem(what + ": coupon", d.coupon);
  if (problem.empty()) problem = ReceiptProblem(what + ": receipt", d.receipt);
  if (problem.empty()) problem = LinesProblem(what, d.lines, width);
  return problem;
}

}  // namespace

AnsiString DetailProblem(const PrinterState& state) {
  for (size_t k = 0; k < state.detail.size(); ++k) {
    const AnsiString problem = RecordProblem("detail document " + std::to_string(k + 1),
                                             state.detail[k], state.tapeWidth);
    if (!problem.empty()) return problem;
  }
  const int64_t start = state.detailTapeStart;
  if (state.tapeBase < 0 || state.detailBase < 0) return "tape and detail bases must be 0 or more";
  const int64_t tapeEnd = state.tapeBase + static_cast<int64_t>(state.tape.size());
  if (start < -1 || (start >= 0 && start < state.tapeBase) || start > tapeEnd) {
    return "detail tape start must be -1 or a line of the tape held, up to its length";
  }
  if (start >= 0 && state.detail.empty()) return "detail tape start with no detail document";
  return "";
}

}  // namespace mdx::emulator

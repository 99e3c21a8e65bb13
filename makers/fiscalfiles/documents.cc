#include "fiscalfiles/documents.h"

#include <algorithm>

#include "emulator/item_arithmetic.h"
#include "fiscalfiles/fixed_fields.h"

namespace mdx::fiscalfiles {

namespace {

bool InRange(const Range& range, int coo, int day) {
  return range.Contains(range.kind == RangeKind::kCounter ? coo : day);
}

}  // namespace

emulator::DetailMemory DocumentsInRange(const Snapshot& snapshot, const Range& range) {
  emulator::DetailMemory documents;
  // On disk: the keys tell which records lie in the range; only the stretch
  // from the first to the last of them is read.
  const std::vector<emulator::JournalIndex::RecordKey>& keys = snapshot.history.keys;
  int64_t first = -1, last = -1;
  for (size_t k = 0; k < keys.size(); ++k) {
    if (!InRange(range, keys[k].coo, keys[k].day)) continue;
    if (first < 0) first = static_cast<int64_t>(k);
    last = static_cast<int64_t>(k);
  }
  if (first >= 0) {
    for (emulator::DetailDocument& document : snapshot.history.DetailRecords(first, last + 1)) {
      if (InRange(range, document.coo, DayNumber(document.issued)))
        documents.push_back(std::move(document));
    }
  }
  for (const emulator::DetailDocument& document : snapshot.state.detail) {
    if (InRange(range, document.coo, DayNumber(document.issued))) documents.push_back(document);
  }
  std::stable_sort(documents.begin(), documents.end(),
                   [](const auto& a, const auto& b) { return a.coo < b.coo; });
  return documents;
}

std::optional<emulator::DetailDocument> CouponRecord(const Snapshot& snapshot, int coo) {
  const emulator::DetailMemory& recent = snapshot.state.detail;
  for (size_t k = recent.size(); k > 0; --k) {
    const emulator::DetailDocument& document = recent[k - 1];
    if (document.kind == emulator::DetailKind::kFiscalCoupon && document.coo == coo) return document;
  }
  const std::vector<emulator::JournalIndex::RecordKey>& keys = snapshot.history.keys;
  for (size_t k = keys.size(); k > 0; --k) {
    if (keys[k - 1].coo != coo) continue;
    const auto k64 = static_cast<int64_t>(k - 1);
    for (emulator::DetailDocument& document : snapshot.history.DetailRecords(k64, k64 + 1)) {
      if (document.kind == emulator::DetailKind::kFiscalCoupon) return document;
    }
  }
  return std::nullopt;
}

std::vector<const emulator::ZRecord*> ReductionsInRange(const emulator::PrinterState& state,
                                                        const Range& range) {
  std::vector<const emulator::ZRecord*> reductions;
  for (const emulator::ZRecord& record : state.fiscalMemory) {
    const int key = range.kind == RangeKind::kCounter ? record.crz : DayNumber(record.date);
    if (range.Contains(key)) reductions.push_back(&record);
  }
  return reductions;
}

CouponSums SumsOf(const emulator::Coupon& coupon) {
  CouponSums sums;
  sums.subtotal = emulator::Subtotal(coupon);
  sums.total = emulator::CouponTotal(coupon);
  sums.tendered = emulator::Paid(coupon.payments);
  sums.change = emulator::Change(sums.total, sums.tendered);
  return sums;
}

int64_t ReceiptTotal(const emulator::Receipt& receipt) {
  int64_t total = 0;
  for (const emulator::ReceiptEntry& entry : receipt.entries) total += entry.amount;
  return total;
}

int64_t NetSales(const emulator::ZRecord& record) {
  return std::max<int64_t>(0, record.grossSales - record.cancellations - record.discounts);
}

}  // namespace mdx::fiscalfiles

#include "fiscalfiles/documents.h"

#include <algorithm>

#include "emulator/item_arithmetic.h"
#include "fiscalfiles/fixed_fields.h"

namespace mdx::fiscalfiles {

std::vector<const emulator::DetailDocument*> DocumentsInRange(const emulator::PrinterState& state,
                                                              const Range& range) {
  std::vector<const emulator::DetailDocument*> documents;
  for (const emulator::DetailDocument& document : state.detail) {
    const int key = range.kind == RangeKind::kCounter ? document.coo : DayNumber(document.issued);
    if (range.Contains(key)) documents.push_back(&document);
  }
  std::stable_sort(documents.begin(), documents.end(),
                   [](const auto* a, const auto* b) { return a->coo < b->coo; });
  return documents;
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

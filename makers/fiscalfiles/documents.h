// What the files take from a snapshot: the documents and the Z reductions of
// a range, and the sums of a document.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "emulator/printer_state.h"
#include "fiscalfiles/range.h"
#include "fiscalfiles/snapshot.h"

namespace mdx::fiscalfiles {

// The detail-tape documents in the range (by COO, or by the day they were
// issued), in COO order. Those on disk are read for the range alone.
emulator::DetailMemory DocumentsInRange(const Snapshot& snapshot, const Range& range);
// The latest fiscal coupon record with that COO; nullopt when there is none.
std::optional<emulator::DetailDocument> CouponRecord(const Snapshot& snapshot, int coo);
// The Z reductions in the range (by CRZ, or by their date), in fiscal-memory
// order.
std::vector<const emulator::ZRecord*> ReductionsInRange(const emulator::PrinterState& state,
                                                        const Range& range);

// A coupon's sums, with the printer's own arithmetic (item_arithmetic.h).
struct CouponSums {
  int64_t subtotal = 0;  // values of the items not cancelled
  int64_t total = 0;     // subtotal - subtotal discount + subtotal surcharge
  int64_t tendered = 0;  // every payment as tendered
  int64_t change = 0;    // tendered - total, 0 when not above
};
CouponSums SumsOf(const emulator::Coupon& coupon);

// A receipt's entries added up.
int64_t ReceiptTotal(const emulator::Receipt& receipt);

// Net sales of a reduction: gross - cancellations - discounts, never below 0.
int64_t NetSales(const emulator::ZRecord& record);

}  // namespace mdx::fiscalfiles

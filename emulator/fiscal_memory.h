// The printer's fiscal memory: one record per Z reduction, never erased.
#pragma once

#include <cstdint>
#include <vector>

#include "mdx00200/datetime.h"

namespace mdx::emulator {

struct ZRecord {
  int crz = 0;            // the reduction's number
  TDateTime date = 0;     // the computer's date given with "14" (a whole day)
  int lastCoo = 0;        // COO of the Z report
  int64_t grandTotal = 0;  // cents, after the day
  int64_t grossSales = 0;
  int64_t cancellations = 0;  // ICMS and ISS together
  int64_t discounts = 0;
  int64_t surcharges = 0;

  bool operator==(const ZRecord&) const = default;
};

using FiscalMemory = std::vector<ZRecord>;

}  // namespace mdx::emulator

// The datasets the till closing reads, checked before anything is sent, so
// a host that passes one without its fields gets a clear error instead of a
// report left half printed.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::cash {

struct TillClosingSets {
  TClientDataSet* closingAmounts;      // 8
  TClientDataSet* withdrawals;         // 9
  TClientDataSet* products;            // 10
  TClientDataSet* operatorSupervisor;  // 11
  TClientDataSet* movementTotals;      // 12
  TClientDataSet* movements;           // 13
  TClientDataSet* salesTotals;         // 14
  TClientDataSet* credit;              // 15
  TClientDataSet* zSets[4];            // 20-23
  TClientDataSet* receiptTypes;        // 25
};

struct TillClosingFlags {
  bool printReceipt;  // 17
  bool typedAmounts;  // 31
  bool reprint;       // 32
};

// Raises mdx::EDatabaseError naming the parameter when a dataset the flags
// lead to is missing, closed or without a field the routine reads. In reprint
// mode the module's copies of the receipt amounts, the people and the
// movements are checked instead of the host's.
void CheckTillClosingInput(const TillClosingSets& sets, const TillClosingFlags& flags);

}  // namespace Mdx00200::cash

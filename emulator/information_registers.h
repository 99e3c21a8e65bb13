// The information registers: what command "27" reports, one register per
// selector "1"-"9", "A"-"L". Every register is a complete block: ".+C", the
// ECF number at 4-6, the selector at 7, then its fields; positions without a
// field hold zeros, so every amount and counter reads as digits.
//
// Amounts are 12 digits in cents (A12) unless noted; counters are the last
// 4 digits of the counter unless noted. Slots:
//   tax slot k      15: the code of tax rate k (3, blanks when the entry is
//                       free) + its taxable base (A12)
//   payment slot k  16: count (4) + amount (A12) of payment method k
//   totalizer slot k 16: count (4) + amount (A12) of totalizer k
//
//   reg  length  fields
//   1    120     8-13 movement date DDMMYY ("000000" before the day's first
//                document), 20-36 grand total (17 digits), 37-40 CFC,
//                41-44 CRZ, 45-56 gross sales, 61-72 cancelled ICMS sales,
//                77-88 cancelled ISS sales, 93-104 discounts, 105-116 net
//                sales (gross less cancellations and discounts), 117-120 GNF
//   2    67      56-67 ISS sales (taxable bases of the "S" rates)
//   3    108     13-21 serial number (blank-filled), 22-33 exempt sales,
//                34-45 non-incidence sales, 46-57 substitution sales,
//                94-108 tax slot 1
//   4    112     8-112 tax slots 2-8
//   5    112     8-112 tax slots 9-15
//   6    119     8-119 payment slots 1-7
//   7    119     8-55 payment slots 8-10, 88-119 totalizer slots 1-2
//   8-D  119     8-119 totalizer slots 3-9, 10-16, 17-23, 24-30, 31-37, 38-44
//   E    103     8-103 totalizer slots 45-50
//   F    23      12-23 surcharges
//   G    27      16-19 CRO, 24-27 X readings
//   H    78      61-66 CCF, 73-78 COO (6 digits each)
//   I-K  55      zeros
//   L    127     8-127 amounts (A12) of payment methods 11-20
#pragma once

#include <optional>

#include "emulator/printer_state.h"

namespace mdx::emulator {

// The register's reply, or nullopt for a selector that names no register.
std::optional<AnsiString> InformationRegister(const PrinterState& state, char selector);

}  // namespace mdx::emulator

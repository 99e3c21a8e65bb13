// The printer's programmable tables: tax rates, payment methods and
// non-fiscal totalizers, and what a fresh printer comes with. Entries are
// numbered from 1 in table order; that number is how commands and the
// information registers refer to an entry.
#pragma once

#include <array>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

inline constexpr int kTaxRateCount = 15;
inline constexpr int kPaymentMethodCount = 20;
inline constexpr int kTotalizerCount = 50;

// Widths of an entry as the "29" replies carry it.
inline constexpr int kTaxRateEntryWidth = 7;       // code 3, whole percent 2, hundredths 2
inline constexpr int kTaxCodeWidth = 3;
inline constexpr int kPaymentEntryWidth = 16;      // flag + name
inline constexpr int kPaymentNameWidth = 15;
inline constexpr int kTotalizerEntryWidth = 15;    // marker + name
inline constexpr int kTotalizerNameWidth = 14;

// A tax rate. The first letter of the code is the tax: "T" ICMS (goods),
// "S" ISS (services). An entry with an empty code is free.
struct TaxRate {
  AnsiString code;     // 3 letters or digits, or "" (free)
  int hundredths = 0;  // the rate in hundredths of a percent, 0 to 9999

  bool operator==(const TaxRate&) const = default;
};

// A payment method. An entry whose name is empty (or all blanks) is free.
struct PaymentMethod {
  char flag = ' ';  // kept as programmed; the printer does not interpret it
  AnsiString name;  // at most 15 characters

  bool operator==(const PaymentMethod&) const = default;
};

// A non-fiscal totalizer or a group header. An entry whose name is empty (or
// all blanks) is free.
struct Totalizer {
  char marker = ' ';  // '&' group header, '+' adds to the till, '-' takes from it
  AnsiString name;    // at most 14 characters

  bool operator==(const Totalizer&) const = default;
};

using TaxRateTable = std::array<TaxRate, kTaxRateCount>;
using PaymentTable = std::array<PaymentMethod, kPaymentMethodCount>;
using TotalizerTable = std::array<Totalizer, kTotalizerCount>;

// A fresh printer's tax rates: T01 18.00, T02 12.00, T03 7.00 (ICMS) and
// S01 5.00 (ISS) at positions 1-4, the rest free.
inline TaxRateTable FreshTaxRates() {
  TaxRateTable rates;
  rates[0] = {"T01", 1800};
  rates[1] = {"T02", 1200};
  rates[2] = {"T03", 700};
  rates[3] = {"S01", 500};
  return rates;
}

// A fresh printer's payment methods: "S" "Dinheiro" at position 1, the rest free.
inline PaymentTable FreshPaymentMethods() {
  PaymentTable methods;
  methods[0] = {'S', "Dinheiro"};
  return methods;
}

}  // namespace mdx::emulator

// Frames of the sale and receipt commands as the package builds them
// (without ESC "." and "}", as PrinterTest::Send takes them).
#pragma once

#include <cstdint>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator::test {

// `value` zero-filled to `width` digits.
AnsiString Digits(int64_t value, size_t width);

// "01": code zero-filled to 13, quantity in thousandths (7), unit price in
// cents (9), line total in cents (12), description blank-filled to 24, tax
// code blank-filled to 3.
AnsiString ItemFrame(const AnsiString& code, int64_t quantity, int64_t price, int64_t total,
                     const AnsiString& description, const AnsiString& tax = "T01");
AnsiString ItemDiscountFrame(int64_t cents);       // "02" "0000" A12
AnsiString ItemSurchargeFrame(int64_t cents);      // "60" "0000" A12
AnsiString SubtotalDiscountFrame(int64_t cents);   // "03" 10 blanks A12 "N"
AnsiString SubtotalSurchargeFrame(int64_t cents);  // "1151" "0000" A11 "N"
AnsiString PaymentFrame(int method, int64_t cents);  // "10" position A12
// "07" position A12 + `text` blank-filled to 40.
AnsiString ReceiptAmountFrame(int totalizer, int64_t cents, const AnsiString& text = "");
// "0" + `line` blank-filled to 40.
AnsiString FooterPair(const AnsiString& line);

}  // namespace mdx::emulator::test

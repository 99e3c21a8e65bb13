#include "sale_frames.h"

namespace mdx::emulator::test {

namespace {
AnsiString Filled(const AnsiString& text, size_t width) {
  AnsiString filled = text.substr(0, width);
  filled.resize(width, ' ');
  return filled;
}
}  // namespace

AnsiString Digits(int64_t value, size_t width) {
  const AnsiString digits = std::to_string(value);
  return AnsiString(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

AnsiString ItemFrame(const AnsiString& code, int64_t quantity, int64_t price, int64_t total,
                     const AnsiString& description, const AnsiString& tax) {
  return "01" + AnsiString(13 - code.size(), '0') + code + Digits(quantity, 7) + Digits(price, 9) +
         Digits(total, 12) + Filled(description, 24) + Filled(tax, 3);
}

AnsiString ItemDiscountFrame(int64_t cents) { return "020000" + Digits(cents, 12); }
AnsiString ItemSurchargeFrame(int64_t cents) { return "600000" + Digits(cents, 12); }
AnsiString SubtotalDiscountFrame(int64_t cents) {
  return "03" + AnsiString(10, ' ') + Digits(cents, 12) + "N";
}
AnsiString SubtotalSurchargeFrame(int64_t cents) { return "11510000" + Digits(cents, 11) + "N"; }
AnsiString PaymentFrame(int method, int64_t cents) {
  return "10" + Digits(method, 2) + Digits(cents, 12);
}
AnsiString ReceiptAmountFrame(int totalizer, int64_t cents, const AnsiString& text) {
  return "07" + Digits(totalizer, 2) + Digits(cents, 12) + Filled(text, 40);
}
AnsiString FooterPair(const AnsiString& line) { return "0" + Filled(line, 40); }

}  // namespace mdx::emulator::test

#include "emulator/tax_rate_table.h"

#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {
constexpr int kLargestRate = 9999;  // 99.99 %

bool IsCodeCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
}  // namespace

AnsiString TaxRateEntry(const TaxRate& rate) {
  if (rate.code.empty()) return AnsiString(kTaxRateEntryWidth, ' ');
  AnsiString entry = rate.code.substr(0, kTaxCodeWidth);
  entry.resize(kTaxCodeWidth, ' ');
  return entry + ZeroFilled(rate.hundredths, kTaxRateEntryWidth - kTaxCodeWidth);
}

AnsiString TaxRateProblem(const TaxRate& rate) {
  if (rate == TaxRate{}) return "";
  if (rate.code.size() != kTaxCodeWidth) return "the code must be 3 characters";
  for (char c : rate.code) {
    if (!IsCodeCharacter(c)) return "the code must be capital letters or digits";
  }
  if (rate.hundredths < 0 || rate.hundredths > kLargestRate) {
    return "the rate must be 0 to 9999 hundredths";
  }
  return "";
}

bool IsServiceRate(const TaxRate& rate) { return !rate.code.empty() && rate.code[0] == 'S'; }

}  // namespace mdx::emulator

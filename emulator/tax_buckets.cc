#include "emulator/tax_buckets.h"

#include "emulator/tax_rate_table.h"

namespace mdx::emulator {

namespace {

bool IsSituationCode(std::string_view code, char letter) {
  if (code.empty() || code[0] != letter) return false;
  for (char c : code.substr(1)) {
    if (c != letter && c != ' ' && (c < '0' || c > '9')) return false;
  }
  return true;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<int> TaxBucket(const TaxRateTable& rates, std::string_view code) {
  code = WithoutTrailingBlanks(code);
  if (code.empty()) return std::nullopt;
  for (size_t k = 0; k < rates.size(); ++k) {
    if (!rates[k].code.empty() && rates[k].code == code) return static_cast<int>(k);
  }
  if (IsSituationCode(code, 'I')) return kExemptBucket;
  if (IsSituationCode(code, 'N')) return kNonIncidenceBucket;
  if (IsSituationCode(code, 'F')) return kSubstitutionBucket;
  return std::nullopt;
}

bool IsServiceBucket(const TaxRateTable& rates, int bucket) {
  return bucket >= 0 && bucket < kTaxRateCount && IsServiceRate(rates[static_cast<size_t>(bucket)]);
}

}  // namespace mdx::emulator

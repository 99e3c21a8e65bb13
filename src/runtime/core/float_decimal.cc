#include "float_decimal.h"  // same folder

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace mdx::detail {
namespace {

void StripTrailingZeros(DecimalView& view) {
  while (!view.digits.empty() && view.digits.back() == '0') view.digits.pop_back();
  if (view.digits.empty()) {
    view.negative = false;
    view.exponent = 0;
  }
}

// Keeps the first `count` digits of view.digits, rounding half away from zero
// when `round` is set, cutting otherwise.
void KeepDigits(DecimalView& view, int count, bool round) {
  if (view.IsZero()) return;
  const int size = static_cast<int>(view.digits.size());
  if (count >= size) return;
  if (count < 0) {
    view.digits.clear();
    StripTrailingZeros(view);
    return;
  }
  const bool up = round && view.digits[static_cast<size_t>(count)] >= '5';
  view.digits.resize(static_cast<size_t>(count));
  if (up) {
    int i = count - 1;
    while (i >= 0 && view.digits[static_cast<size_t>(i)] == '9') {
      view.digits[static_cast<size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++view.digits[static_cast<size_t>(i)];
    } else {
      view.digits.insert(view.digits.begin(), '1');
      ++view.exponent;
    }
  }
  StripTrailingZeros(view);
}

}  // namespace

int DecimalView::DigitAt(int power) const {
  const long long index = static_cast<long long>(exponent) - 1 - power;
  if (index < 0 || index >= static_cast<long long>(digits.size())) return 0;
  return digits[static_cast<size_t>(index)] - '0';
}

DecimalView ToDecimalView(double value, int significant) {
  DecimalView view;
  if (!std::isfinite(value) || value == 0.0) return view;
  view.negative = std::signbit(value);
  char buffer[64];
  // Shortest round-trip text in scientific form: d[.ddd]e[+-]xx.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific);
  const char* p = buffer;
  const char* end = result.ptr;
  while (p < end && *p != 'e') {
    if (*p >= '0' && *p <= '9') view.digits.push_back(*p);
    ++p;
  }
  int exp10 = 0;
  if (p < end) exp10 = std::atoi(std::string(p + 1, end).c_str());
  // d.ddd x 10^e == 0.dddd x 10^(e+1)
  view.exponent = exp10 + 1;
  // Leading zeros cannot occur in scientific form, but be safe.
  size_t lead = 0;
  while (lead < view.digits.size() && view.digits[lead] == '0') ++lead;
  if (lead > 0) {
    view.digits.erase(0, lead);
    view.exponent -= static_cast<int>(lead);
  }
  StripTrailingZeros(view);
  KeepDigits(view, significant < 1 ? 1 : significant, true);
  return view;
}

void RoundToSignificant(DecimalView& view, int count) { KeepDigits(view, count, true); }

void RoundToDecimals(DecimalView& view, int decimals) {
  if (view.IsZero()) return;
  // Digits kept: the integer digits plus the decimals (0 keeps none, and the
  // first digit alone decides whether the result is one unit or zero).
  const long long count = static_cast<long long>(view.exponent) + decimals;
  if (count > static_cast<long long>(view.digits.size())) return;
  KeepDigits(view, count < 0 ? -1 : static_cast<int>(count), true);
}

void TruncateToDecimals(DecimalView& view, int decimals) {
  if (view.IsZero()) return;
  const long long count = static_cast<long long>(view.exponent) + decimals;
  if (count > static_cast<long long>(view.digits.size())) return;
  KeepDigits(view, count <= 0 ? -1 : static_cast<int>(count), false);
}

double FromDecimalView(const DecimalView& view) {
  if (view.IsZero()) return 0.0;
  std::string text = view.digits;
  text += 'e';
  text += std::to_string(static_cast<long long>(view.exponent) -
                         static_cast<long long>(view.digits.size()));
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    value = view.exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return view.negative ? -value : value;
}

}  // namespace mdx::detail

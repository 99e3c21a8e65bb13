#include "coupon/amount_field.h"

#include <cmath>

#include "mdx00200/format_settings.h"
#include "mdx00200/number_format.h"

namespace Mdx00200::coupon {

using mdx::AnsiString;

namespace {

AnsiString Mask(int integerDigits, int decimals) {
  AnsiString mask(static_cast<size_t>(integerDigits), '0');
  if (decimals > 0) mask += "." + AnsiString(static_cast<size_t>(decimals), '0');
  return mask;
}

// Below this a value is taken as the dust of a computation that should have
// given zero.
constexpr double kDust = 1e-9;

}  // namespace

bool IsNegativeAmount(double value) { return value < -kDust; }

bool AmountField(double value, int integerDigits, int decimals, AnsiString& field) {
  if (!std::isfinite(value) || IsNegativeAmount(value) || integerDigits <= 0 || decimals < 0)
    return false;
  if (value < 0) value = 0;
  AnsiString text = mdx::FormatFloat(Mask(integerDigits, decimals), value);
  const size_t integers = static_cast<size_t>(integerDigits);
  const size_t width = integers + static_cast<size_t>(decimals) + (decimals > 0 ? 1 : 0);
  // A negative value gains a "-", a value too large an integer digit: either
  // way the separator is no longer where the printer expects it.
  if (text.size() != width) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool separator = decimals > 0 && i == integers;
    if (separator ? text[i] != mdx::FormatSettings().DecimalSeparator
                  : (text[i] < '0' || text[i] > '9'))
      return false;
  }
  if (decimals > 0) text.erase(integers, 1);
  field = text;
  return true;
}

bool IsZeroField(const AnsiString& field) {
  for (char c : field) {
    if (c != '0') return false;
  }
  return true;
}

AnsiString LargestAmountText(int integerDigits, int decimals) {
  AnsiString text(static_cast<size_t>(integerDigits), '9');
  if (decimals > 0) {
    text += mdx::FormatSettings().DecimalSeparator;
    text += AnsiString(static_cast<size_t>(decimals), '9');
  }
  return text;
}

}  // namespace Mdx00200::coupon

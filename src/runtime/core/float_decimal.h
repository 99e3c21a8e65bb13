// The decimal view of a double: the digits a person reads when the value is
// printed (the shortest round-trip text, cut to 15 significant digits), on
// which the formatting, rounding and truncation routines work. Rounding the
// decimal text rather than the binary value makes 1.005 round to 1.01 and
// 2.3 * 3 truncate to 6.90.
#pragma once

#include <string>

namespace mdx::detail {

// The platform's significant digits for a double.
constexpr int kDoubleSignificantDigits = 15;

struct DecimalView {
  bool negative = false;
  // Significant digits without leading or trailing zeros; empty for zero.
  std::string digits;
  // value = 0.<digits> x 10^exponent, i.e. the number of integer digits when
  // the value is at least 1 (12.3 -> digits "123", exponent 2).
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
  // The digit for 10^power (0 for positions outside the digits).
  int DigitAt(int power) const;
};

// The view of a finite value with at most `significant` digits (rounded half
// away from zero from the shortest round-trip representation).
DecimalView ToDecimalView(double value, int significant = kDoubleSignificantDigits);

// Keeps `count` leading digits, rounding half away from zero (a carry may add
// a digit in front). count <= 0 rounds into the first digit or gives zero.
void RoundToSignificant(DecimalView& view, int count);
// Rounds to `decimals` digits after the point (negative: tens, hundreds...).
void RoundToDecimals(DecimalView& view, int decimals);
// Cuts toward zero after `decimals` digits after the point.
void TruncateToDecimals(DecimalView& view, int decimals);

// The double nearest to the view (correctly rounded); overflow gives +-inf.
double FromDecimalView(const DecimalView& view);

}  // namespace mdx::detail

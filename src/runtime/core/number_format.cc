// Number formatting and parsing with the platform's semantics, on the decimal
// view of the value (float_decimal.h).
#include "mdx00200/number_format.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>
#include <vector>

#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "float_decimal.h"  // same folder

namespace mdx {
namespace {

using detail::DecimalView;

// The platform's texts for values that are not numbers.
bool SpecialText(double value, AnsiString& text) {
  if (std::isnan(value)) {
    text = "NAN";
    return true;
  }
  if (std::isinf(value)) {
    text = value < 0 ? "-INF" : "INF";
    return true;
  }
  return false;
}

void AppendExponent(AnsiString& out, int exponent, bool alwaysSign, int minDigits) {
  if (exponent < 0) {
    out += '-';
  } else if (alwaysSign) {
    out += '+';
  }
  AnsiString digits = std::to_string(exponent < 0 ? -static_cast<long long>(exponent)
                                                  : static_cast<long long>(exponent));
  if (static_cast<int>(digits.size()) < minDigits) {
    out.append(static_cast<size_t>(minDigits) - digits.size(), '0');
  }
  out += digits;
}

// The integer digits of a view (at least one, "0" for values below 1), with
// the thousand separator between groups when `group` is set.
AnsiString IntegerDigits(const DecimalView& view, bool group, char thousandSeparator) {
  const int count = std::max(view.exponent, 1);
  AnsiString out;
  for (int power = count - 1; power >= 0; --power) {
    out += static_cast<char>('0' + view.DigitAt(power));
    if (group && power > 0 && power % 3 == 0) out += thousandSeparator;
  }
  return out;
}

// ---------------------------------------------------------------- FormatFloat

std::vector<AnsiString> SplitSections(const AnsiString& mask) {
  std::vector<AnsiString> sections(1);
  char quote = 0;
  for (char c : mask) {
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';') {
      if (sections.size() == 3) break;  // the platform reads three sections
      sections.emplace_back();
      continue;
    }
    sections.back() += c;
  }
  return sections;
}

struct MaskInfo {
  int digitCount = 0;     // "0" and "#" placeholders (exponent digits excluded)
  int decimalIndex = -1;  // placeholders before the decimal point
  int firstZero = INT_MAX;
  int lastZero = 0;       // one past the last "0" placeholder
  bool thousands = false;
  bool scientific = false;

  int IntegerPlaces() const { return decimalIndex; }
  int DecimalPlaces() const { return digitCount - decimalIndex; }
  int MinIntegerDigits() const { return firstZero < decimalIndex ? decimalIndex - firstZero : 0; }
  int MinDecimals() const { return std::max(0, lastZero - decimalIndex); }
};

bool IsExponentAt(const AnsiString& s, size_t i) {
  return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

MaskInfo AnalyzeSection(const AnsiString& s) {
  MaskInfo info;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\'' || c == '"') {
      const size_t close = s.find(c, i + 1);
      if (close == AnsiString::npos) break;
      i = close;
    } else if (c == '#') {
      ++info.digitCount;
    } else if (c == '0') {
      info.firstZero = std::min(info.firstZero, info.digitCount);
      ++info.digitCount;
      info.lastZero = info.digitCount;
    } else if (c == '.') {
      if (info.decimalIndex < 0) info.decimalIndex = info.digitCount;
    } else if (c == ',') {
      if (info.decimalIndex < 0) info.thousands = true;
    } else if (!info.scientific && IsExponentAt(s, i)) {
      info.scientific = true;
      i += 1;
      while (i + 1 < s.size() && s[i + 1] == '0') ++i;
    }
  }
  if (info.decimalIndex < 0) info.decimalIndex = info.digitCount;
  return info;
}

// Writes the (non-negative) number `number` through the section's pattern.
// In scientific sections `exponent` is the decimal exponent to print.
AnsiString RenderSection(const AnsiString& s, const MaskInfo& info, const DecimalView& number,
                         int exponent) {
  const TFormatSettings& fs = FormatSettings();
  const int intPlaces = info.IntegerPlaces();
  const int numberIntDigits = number.IsZero() ? 0 : std::max(number.exponent, 0);
  const int outInt = std::max(numberIntDigits, info.MinIntegerDigits());
  const int availableDecimals =
      number.IsZero() ? 0
                      : std::max(0, static_cast<int>(number.digits.size()) - number.exponent);
  const int outDec = std::min(std::max(info.MinDecimals(), availableDecimals),
                              std::max(info.DecimalPlaces(), 0));

  AnsiString out;
  auto emitDigit = [&](int power) {
    out += static_cast<char>('0' + number.DigitAt(power));
    if (info.thousands && power > 0 && power % 3 == 0) out += fs.ThousandSeparator;
  };
  auto emitIntegerRange = [&](int fromPower, int toPower) {  // inclusive, descending
    for (int p = fromPower; p >= toPower; --p) emitDigit(p);
  };

  int placeholder = 0;
  bool pointSeen = false;
  bool integerFlushed = intPlaces > 0;  // with no integer placeholder, digits go before the point
  bool separatorEmitted = false;
  bool exponentDone = false;
  auto emitPoint = [&]() {
    if (!integerFlushed) {
      emitIntegerRange(outInt - 1, 0);
      integerFlushed = true;
    }
    if (!separatorEmitted && outDec > 0) out += fs.DecimalSeparator;
    separatorEmitted = true;
  };

  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\'' || c == '"') {
      const size_t close = s.find(c, i + 1);
      if (close == AnsiString::npos) {
        out += s.substr(i + 1);
        break;
      }
      out += s.substr(i + 1, close - i - 1);
      i = close;
    } else if (c == '0' || c == '#') {
      if (placeholder < intPlaces) {
        const int power = intPlaces - 1 - placeholder;
        if (placeholder == 0 && outInt - 1 > power) emitIntegerRange(outInt - 1, power + 1);
        if (power < outInt) emitDigit(power);
      } else {
        emitPoint();
        const int j = placeholder - intPlaces;
        if (j < outDec) out += static_cast<char>('0' + number.DigitAt(-(j + 1)));
      }
      ++placeholder;
    } else if (c == '.') {
      if (!pointSeen) {
        pointSeen = true;
        emitPoint();
      }
    } else if (c == ',') {
      // grouping marker, not printed
    } else if (info.scientific && !exponentDone && IsExponentAt(s, i)) {
      exponentDone = true;
      out += c;
      const bool alwaysSign = s[i + 1] == '+';
      i += 1;
      int zeros = 0;
      while (i + 1 < s.size() && s[i + 1] == '0') {
        ++zeros;
        ++i;
      }
      AppendExponent(out, exponent, alwaysSign, std::min(zeros, 4));
    } else {
      out += c;
    }
  }
  return out;
}

// ---------------------------------------------------------------- general/exponent

AnsiString FormatGeneral(double value, int precision, int expDigits) {
  const TFormatSettings& fs = FormatSettings();
  DecimalView view = detail::ToDecimalView(value, precision);
  if (view.IsZero()) return "0";
  AnsiString out = view.negative ? "-" : "";
  if (view.exponent > precision || view.exponent < -3) {
    out += view.digits[0];
    if (view.digits.size() > 1) {
      out += fs.DecimalSeparator;
      out += view.digits.substr(1);
    }
    out += 'E';
    AppendExponent(out, view.exponent - 1, false, expDigits);
    return out;
  }
  out += IntegerDigits(view, false, fs.ThousandSeparator);
  const int decimals = static_cast<int>(view.digits.size()) - view.exponent;
  if (decimals > 0) {
    out += fs.DecimalSeparator;
    for (int j = 1; j <= decimals; ++j) out += static_cast<char>('0' + view.DigitAt(-j));
  }
  return out;
}

AnsiString FormatExponent(double value, int precision, int expDigits) {
  const TFormatSettings& fs = FormatSettings();
  DecimalView view = detail::ToDecimalView(value, precision);
  AnsiString out = view.negative ? "-" : "";
  const std::string digits = view.digits + std::string(static_cast<size_t>(precision), '0');
  out += view.IsZero() ? '0' : digits[0];
  if (precision > 1) {
    out += fs.DecimalSeparator;
    out += digits.substr(1, static_cast<size_t>(precision - 1));
  }
  out += 'E';
  AppendExponent(out, view.IsZero() ? 0 : view.exponent - 1, true, expDigits);
  return out;
}

AnsiString CurrencyText(const AnsiString& amount, bool negative) {
  const TFormatSettings& fs = FormatSettings();
  const AnsiString& c = fs.CurrencyString;
  if (!negative) {
    switch (fs.CurrencyFormat) {
      case 0: return c + amount;
      case 1: return amount + c;
      case 3: return amount + " " + c;
      default: return c + " " + amount;
    }
  }
  switch (fs.NegCurrFormat) {
    case 0: return "(" + c + amount + ")";
    case 1: return "-" + c + amount;
    case 2: return c + "-" + amount;
    case 3: return c + amount + "-";
    case 4: return "(" + amount + c + ")";
    case 5: return "-" + amount + c;
    case 6: return amount + "-" + c;
    case 7: return amount + c + "-";
    case 8: return "-" + amount + " " + c;
    case 10: return amount + " " + c + "-";
    case 11: return c + " " + amount + "-";
    case 12: return c + " -" + amount;
    case 13: return amount + "- " + c;
    case 14: return "(" + c + " " + amount + ")";
    case 15: return "(" + amount + " " + c + ")";
    default: return "-" + c + " " + amount;  // 9
  }
}

// ---------------------------------------------------------------- parsing

bool ParseFloat(const AnsiString& text, double& result) {
  const char decimal = FormatSettings().DecimalSeparator;
  size_t i = 0;
  const size_t n = text.size();
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (i < n && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string mantissa;  // digits only
  int pointShift = 0;    // digits after the decimal separator
  bool anyDigit = false;
  while (i < n && text[i] >= '0' && text[i] <= '9') {
    mantissa += text[i++];
    anyDigit = true;
  }
  if (i < n && text[i] == decimal) {
    ++i;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
      mantissa += text[i++];
      ++pointShift;
      anyDigit = true;
    }
  }
  if (!anyDigit) return false;
  long long exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      expNegative = text[i] == '-';
      ++i;
    }
    bool expDigit = false;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
      ++i;
      expDigit = true;
    }
    if (!expDigit) return false;
    if (expNegative) exponent = -exponent;
  }
  while (i < n && isBlank(text[i])) ++i;
  if (i != n) return false;

  const size_t firstNonZero = mantissa.find_first_not_of('0');
  if (firstNonZero == std::string::npos) {
    result = negative ? -0.0 : 0.0;
    return true;
  }
  mantissa.erase(0, firstNonZero);
  const long long exp10 = exponent - pointShift;
  // The magnitude is about 10^(magnitude - 1).
  const long long magnitude = exp10 + static_cast<long long>(mantissa.size());
  if (magnitude > 400) return false;  // overflow
  if (magnitude < -400) {
    result = negative ? -0.0 : 0.0;
    return true;
  }
  std::string canonical = mantissa + "e" + std::to_string(exp10);
  double value = 0.0;
  const auto parsed = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (parsed.ec == std::errc::result_out_of_range) {
    if (magnitude > 0) return false;
    value = 0.0;
  } else if (parsed.ec != std::errc() || !std::isfinite(value)) {
    return false;
  }
  result = negative ? -value : value;
  return true;
}

}  // namespace

AnsiString FormatFloat(const AnsiString& mask, double value) {
  AnsiString special;
  if (SpecialText(value, special)) return special;
  if (mask.empty()) return FloatToStrF(value, ffGeneral, 15, 0);

  const std::vector<AnsiString> sections = SplitSections(mask);
  const DecimalView original = detail::ToDecimalView(value);
  auto hasSection = [&](size_t index) { return sections.size() > index && !sections[index].empty(); };

  size_t index = (original.negative && hasSection(1)) ? 1 : 0;
  MaskInfo info = AnalyzeSection(sections[index]);
  // Values with more than 18 integer digits are written in the general form.
  if (!info.scientific && original.exponent > 18) return FloatToStrF(value, ffGeneral, 15, 0);

  DecimalView number = original;
  number.negative = false;
  if (info.scientific) {
    detail::RoundToSignificant(number, std::max(info.digitCount, 1));
  } else {
    detail::RoundToDecimals(number, info.DecimalPlaces());
  }
  bool negative = original.negative;
  if (number.IsZero()) {
    // Zero, or a value that rounds to zero: the zero section, never "-0".
    negative = false;
    const size_t zeroIndex = hasSection(2) ? 2 : 0;
    if (zeroIndex != index) {
      index = zeroIndex;
      info = AnalyzeSection(sections[index]);
    }
  }
  int exponent = 0;
  if (info.scientific && !number.IsZero()) {
    exponent = number.exponent - info.IntegerPlaces();
    number.exponent = info.IntegerPlaces();
  }
  AnsiString out = RenderSection(sections[index], info, number, exponent);
  if (negative && index == 0) out.insert(out.begin(), '-');
  return out;
}

AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  AnsiString special;
  if (SpecialText(value, special)) return special;
  precision = std::clamp(precision, 1, detail::kDoubleSignificantDigits);
  switch (format) {
    case ffGeneral:
      return FormatGeneral(value, precision, std::clamp(digits, 0, 4));
    case ffExponent:
      return FormatExponent(value, precision, std::clamp(digits, 0, 4));
    case ffFixed:
    case ffNumber:
    case ffCurrency:
      break;
  }
  digits = std::clamp(digits, 0, 18);
  DecimalView view = detail::ToDecimalView(value, precision);
  // More integer digits than the precision: the platform falls back to the
  // exponent form.
  if (view.exponent > precision) return FormatExponent(value, precision, std::min(digits, 4));
  detail::RoundToDecimals(view, digits);
  const TFormatSettings& fs = FormatSettings();
  AnsiString amount = IntegerDigits(view, format != ffFixed, fs.ThousandSeparator);
  if (digits > 0) {
    amount += fs.DecimalSeparator;
    for (int j = 1; j <= digits; ++j) amount += static_cast<char>('0' + view.DigitAt(-j));
  }
  if (format == ffCurrency) return CurrencyText(amount, view.negative);
  return view.negative ? "-" + amount : amount;
}

AnsiString FloatToStr(double value) {
  return FloatToStrF(value, ffGeneral, detail::kDoubleSignificantDigits, 0);
}

bool TryStrToFloat(const AnsiString& text, double& result) {
  double value = 0.0;
  if (!ParseFloat(text, value)) return false;
  result = value;
  return true;
}

double StrToFloat(const AnsiString& text) {
  double value = 0.0;
  if (!ParseFloat(text, value)) {
    throw EConvertError("'" + text + "' is not a valid floating point value");
  }
  return value;
}

double StrToFloatDef(const AnsiString& text, double fallback) {
  double value = 0.0;
  return ParseFloat(text, value) ? value : fallback;
}

double RoundTo(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  DecimalView view = detail::ToDecimalView(value);
  detail::RoundToDecimals(view, decimals);
  return detail::FromDecimalView(view);
}

double TruncateTo(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  DecimalView view = detail::ToDecimalView(value);
  detail::TruncateToDecimals(view, decimals);
  return detail::FromDecimalView(view);
}

}  // namespace mdx

// Number formatting and parsing with the platform's semantics. Decimal and
// thousand separators come from FormatSettings().
#pragma once

#include "mdx00200/ansi_string.h"

namespace mdx {

// FormatFloat masks: "0" digit or zero, "#" optional digit, "." decimal
// point, "," thousand separators, "E+"/"E-" exponent, quoted literals and
// ";" sections (positive;negative;zero). Rounds half away from zero on the
// decimal value a person reads ("0.00" of 1.005 gives "1,01").
AnsiString FormatFloat(const AnsiString& mask, double value);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
// precision: significant digits (at most 15 are meaningful); digits: decimals
// for ffFixed/ffNumber/ffCurrency.
AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits);
// The shortest general form with 15 significant digits ("1,5", "0,1", "1E20").
AnsiString FloatToStr(double value);

// Accepts an optional sign, digits with the decimal separator of the settings
// and an optional exponent; leading and trailing blanks are ignored. Raises
// EConvertError ("'x' is not a valid floating point value") otherwise.
double StrToFloat(const AnsiString& text);
bool TryStrToFloat(const AnsiString& text, double& result);
double StrToFloatDef(const AnsiString& text, double fallback);

// Rounds to the given number of decimals, half away from zero, on the value's
// shortest decimal representation (so 2.675 rounds to 2.68).
double RoundTo(double value, int decimals);
// Truncates toward zero to the given decimals, on the same decimal view
// (Truncate(2.3 * 3, 2) is 6.90, not 6.89).
double TruncateTo(double value, int decimals);

}  // namespace mdx

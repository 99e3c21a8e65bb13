// FormatFloat, FloatToStrF, FloatToStr, StrToFloat, RoundTo and TruncateTo
// with the platform's semantics, in the Brazilian settings unless a test
// switches them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "mdx00200/number_format.h"

namespace mdx {
namespace {

struct MaskCase {
  const char* mask;
  double value;
  const char* expected;
};

class NumberFormatFloatMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(NumberFormatFloatMask, FormatsWithBrazilianSeparators) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  const MaskCase& c = GetParam();
  EXPECT_EQ(FormatFloat(c.mask, c.value), c.expected) << "mask " << c.mask << " value " << c.value;
}

const MaskCase kMaskCases[] = {
    // Zero-filled amount masks (the separator is deleted afterwards).
    {"0000000000.00", 123.45, "0000000123,45"},
    {"0000000000.00", 0, "0000000000,00"},
    {"0000000000.00", 0.01, "0000000000,01"},
    {"0000000000.00", 1.0, "0000000001,00"},
    {"0000000000.00", 9999999999.99, "9999999999,99"},
    {"0000000000.00", 9999999999.995, "10000000000,00"},
    {"0000000000.00", 12345678901.5, "12345678901,50"},
    {"0000000000.00", 1e-9, "0000000000,00"},
    {"0000000000.00", 0.004, "0000000000,00"},
    {"0000000000.00", 0.005, "0000000000,01"},
    {"000000000.00", 1.0, "000000001,00"},
    {"000000.00", 12.3, "000012,30"},
    {"000000.00", 123456.789, "123456,79"},
    {"0000.000", 1.5, "0001,500"},
    {"0000.000", 2.0005, "0002,001"},
    {"0000.000", 12345.6, "12345,600"},
    // Rounding half away from zero on the decimal text.
    {"0.00", 1.005, "1,01"},
    {"0.00", 2.675, "2,68"},
    {"0.00", 0.285, "0,29"},
    {"0.00", 1.015, "1,02"},
    {"0.00", 1.115, "1,12"},
    {"0.00", 2.3 * 3, "6,90"},
    {"0.00", 0.1 + 0.2, "0,30"},
    {"0.00", -1.005, "-1,01"},
    {"0.00", -2.675, "-2,68"},
    {"0", 0.5, "1"},
    {"0", 1.5, "2"},
    {"0", 2.5, "3"},
    {"0", -0.5, "-1"},
    {"0", 0.49, "0"},
    // Negative values and zero.
    {"0.00", -12.5, "-12,50"},
    {"0000000000.00", -1.5, "-0000000001,50"},
    {"0.00", -0.001, "0,00"},
    {"0.00", -0.0, "0,00"},
    // Thousand grouping.
    {"#,##0.00", 1234.56, "1.234,56"},
    {"#,##0.00", 1234567.891, "1.234.567,89"},
    {"#,##0.00", 0, "0,00"},
    {"#,##0.00", 0.5, "0,50"},
    {"#,##0.00", 999.999, "1.000,00"},
    {"#,##0.00", 100, "100,00"},
    {"#,##0.00", -1234.5, "-1.234,50"},
    {"#,##0.00", 1e9, "1.000.000.000,00"},
    {"#,##0", 1234567, "1.234.567"},
    {"0,000", 5, "0.005"},
    // No leading zero without a "0" before the point.
    {".00", 0.5, ",50"},
    {".00", 0, ",00"},
    {".00", 12.5, "12,50"},
    {".00", 0.004, ",00"},
    {".00", -0.5, "-,50"},
    {"#.##", 0.5, ",5"},
    {"#.##", 1, "1"},
    {"#.##", 0, ""},
    {"#", 0, ""},
    // Optional decimals.
    {"0.00#", 1.5, "1,50"},
    {"0.00#", 1.125, "1,125"},
    {"0.00#", 1.1256, "1,126"},
    {"0.00#", 2, "2,00"},
    {"0.00#", 0.001, "0,001"},
    {"0.###", 1.5, "1,5"},
    {"0.###", 3, "3"},
    {"0.00", 12.3, "12,30"},
    // More integer digits than placeholders.
    {"00", 123, "123"},
    {"00", 5, "05"},
    {"0", 1234567.0, "1234567"},
    // Literals and sections.
    {"0.00 'kg'", 1.5, "1,50 kg"},
    {"\"R$ \"0.00", 3, "R$ 3,00"},
    {"'#'0", 7, "#7"},
    {"0.00;(0.00)", -5, "(5,00)"},
    {"0.00;(0.00)", 5, "5,00"},
    {"0.00;(0.00);'zero'", 0, "zero"},
    {"0.00;(0.00);'zero'", 0.001, "zero"},
    {"0.00;(0.00);'zero'", -0.001, "zero"},
    {"0.00;;'zero'", -5, "-5,00"},
    {"0.00;", -5, "-5,00"},
    {"0.00;'neg'0", -5, "neg5"},
    {"00-00", 1234, "12-34"},
    // Exponent.
    {"0.00E+00", 1234.5, "1,23E+03"},
    {"0.00E+00", 0.000123, "1,23E-04"},
    {"0.00E+00", 0, "0,00E+00"},
    {"0.00E-00", 1234.5, "1,23E03"},
    {"0.00E-00", 0.00123, "1,23E-03"},
    {"0.00E+00", -1234.5, "-1,23E+03"},
    {"0.00E+00", 9.999, "1,00E+01"},
    {"0.00E+00", 1e-9, "1,00E-09"},
    {"00.0E+0", 1234.5, "12,3E+2"},
    {"0.###E+000", 1.5e20, "1,5E+020"},
    // Empty mask: general format.
    {"", 1.5, "1,5"},
    {"", 100, "100"},
};

INSTANTIATE_TEST_SUITE_P(NumberFormatMasks, NumberFormatFloatMask, ::testing::ValuesIn(kMaskCases));

TEST(NumberFormatFloat, NearTenThousandMillion) {
  // The twelve-digit amount field of the payment commands.
  EXPECT_EQ(FormatFloat("0000000000.00", 9999999999.994), "9999999999,99");
  EXPECT_EQ(FormatFloat("0000000000.00", 1e10), "10000000000,00");
  EXPECT_EQ(FormatFloat("0000000000.00", 1e10 - 0.01), "9999999999,99");
  EXPECT_EQ(FormatFloat("0000000000.00", 1234567890.125), "1234567890,13");
}

TEST(NumberFormatFloat, HugeValuesUseTheGeneralForm) {
  EXPECT_EQ(FormatFloat("0.00", 1e20), "1E20");
  EXPECT_EQ(FormatFloat("0.00", 1e18), "1E18");
  EXPECT_EQ(FormatFloat("0.00", 1e17), "100000000000000000,00");
}

TEST(NumberFormatFloat, NotANumber) {
  EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
}

TEST(NumberFormatFloat, DotSeparatorSettings) {
  FormatSettingsGuard guard;
  FormatSettings().DecimalSeparator = '.';
  FormatSettings().ThousandSeparator = ',';
  EXPECT_EQ(FormatFloat("0000000000.00", 123.45), "0000000123.45");
  EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1,234,567.89");
  EXPECT_EQ(FormatFloat(".00", 0.5), ".50");
  EXPECT_EQ(FormatFloat("0.00#", 1.125), "1.125");
  EXPECT_EQ(FormatFloat("0.00E+00", 1234.5), "1.23E+03");
}

TEST(NumberFormatFloat, GuardRestoresTheSettings) {
  {
    FormatSettingsGuard guard;
    FormatSettings().DecimalSeparator = '.';
    EXPECT_EQ(FormatFloat("0.00", 1.5), "1.50");
  }
  EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
  EXPECT_EQ(FormatFloat("0.00", 1.5), "1,50");
}

TEST(NumberFormatFloat, AmountFieldWithSeparatorDeleted) {
  // The amount field of the spec: format, then delete the 11th character.
  AnsiString text = FormatFloat("0000000000.00", 12.34);
  ASSERT_EQ(text.size(), 13u);
  text.erase(10, 1);
  EXPECT_EQ(text, "000000001234");
}

// ---------------------------------------------------------------- FloatToStrF

struct FixedCase {
  double value;
  TFloatFormat format;
  int precision;
  int digits;
  const char* expected;
};

class NumberFormatFloatToStrF : public ::testing::TestWithParam<FixedCase> {};

TEST_P(NumberFormatFloatToStrF, Formats) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  const FixedCase& c = GetParam();
  EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected)
      << "value " << c.value << " format " << c.format;
}

const FixedCase kFixedCases[] = {
    {1234.5, ffFixed, 15, 2, "1234,50"},
    {0, ffFixed, 15, 2, "0,00"},
    {0.5, ffFixed, 15, 2, "0,50"},
    {-165, ffFixed, 15, 2, "-165,00"},
    {-0.001, ffFixed, 15, 2, "0,00"},
    {1.005, ffFixed, 15, 2, "1,01"},
    {2.675, ffFixed, 15, 2, "2,68"},
    {12.3456, ffFixed, 15, 0, "12"},
    {12.5, ffFixed, 15, 0, "13"},
    {3, ffFixed, 15, 3, "3,000"},
    {1234567.891, ffFixed, 15, 2, "1234567,89"},
    {123456789012345.67, ffFixed, 15, 2, "123456789012346,00"},
    {1e20, ffFixed, 15, 2, "1,00000000000000E+20"},
    {1234.5, ffNumber, 15, 2, "1.234,50"},
    {-1234567.5, ffNumber, 15, 2, "-1.234.567,50"},
    {999.5, ffNumber, 15, 0, "1.000"},
    {1234.56, ffCurrency, 15, 2, "R$ 1.234,56"},
    {-1234.56, ffCurrency, 15, 2, "-R$ 1.234,56"},
    {0, ffCurrency, 15, 2, "R$ 0,00"},
    {-0.004, ffCurrency, 15, 2, "R$ 0,00"},
    {5, ffCurrency, 15, 2, "R$ 5,00"},
    {1.5, ffGeneral, 15, 0, "1,5"},
    {1234.5, ffGeneral, 4, 0, "1235"},
    {12345.5, ffGeneral, 4, 0, "1,235E4"},
    {1234.5, ffExponent, 4, 2, "1,235E+03"},
    {-0.00012345, ffExponent, 3, 3, "-1,23E-004"},
    {0, ffExponent, 3, 2, "0,00E+00"},
};

INSTANTIATE_TEST_SUITE_P(NumberFormatFormats, NumberFormatFloatToStrF, ::testing::ValuesIn(kFixedCases));

TEST(NumberFormatCurrency, OtherCurrencyLayouts) {
  FormatSettingsGuard guard;
  FormatSettings().CurrencyString = "$";
  FormatSettings().DecimalSeparator = '.';
  FormatSettings().ThousandSeparator = ',';
  FormatSettings().CurrencyFormat = 0;
  FormatSettings().NegCurrFormat = 0;
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "$1,234.50");
  EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), "($1,234.50)");
  FormatSettings().CurrencyFormat = 3;
  FormatSettings().NegCurrFormat = 8;
  EXPECT_EQ(FloatToStrF(2, ffCurrency, 15, 2), "2.00 $");
  EXPECT_EQ(FloatToStrF(-2, ffCurrency, 15, 2), "-2.00 $");
  FormatSettings().CurrencyFormat = 1;
  FormatSettings().NegCurrFormat = 5;
  EXPECT_EQ(FloatToStrF(2, ffCurrency, 15, 2), "2.00$");
  EXPECT_EQ(FloatToStrF(-2, ffCurrency, 15, 2), "-2.00$");
}

TEST(NumberFormatFloatToStrF, DotSeparator) {
  FormatSettingsGuard guard;
  FormatSettings().DecimalSeparator = '.';
  FormatSettings().ThousandSeparator = ',';
  EXPECT_EQ(FloatToStrF(-165, ffFixed, 15, 2), "-165.00");
  EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 2), "1,234.50");
}

TEST(NumberFormatFloatToStrF, PrecisionAboveFifteenIsFifteen) {
  EXPECT_EQ(FloatToStrF(0.1 + 0.2, ffGeneral, 18, 0), "0,3");
  EXPECT_EQ(FloatToStrF(1.0 / 3.0, ffFixed, 18, 18), "0,333333333333333000");
}

// ---------------------------------------------------------------- FloatToStr

struct ShortCase {
  double value;
  const char* expected;
};

class NumberFormatFloatToStr : public ::testing::TestWithParam<ShortCase> {};

TEST_P(NumberFormatFloatToStr, Shortest) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  EXPECT_EQ(FloatToStr(GetParam().value), GetParam().expected) << GetParam().value;
}

const ShortCase kShortCases[] = {
    {0, "0"},
    {-0.0, "0"},
    {0.1, "0,1"},
    {1.5, "1,5"},
    {100, "100"},
    {-2.25, "-2,25"},
    {0.1 + 0.2, "0,3"},
    {2.3 * 3, "6,9"},
    {1.0 / 3.0, "0,333333333333333"},
    {2.0 / 3.0, "0,666666666666667"},
    {12345.67, "12345,67"},
    {1e14, "100000000000000"},
    {999999999999999, "999999999999999"},
    {1e15, "1E15"},
    {1e20, "1E20"},
    {1.5e20, "1,5E20"},
    {-1e20, "-1E20"},
    {123456789012345678.0, "1,23456789012346E17"},
    {0.0001, "0,0001"},
    {0.00012, "0,00012"},
    {0.00001, "1E-5"},
    {1e-9, "1E-9"},
    {1.25e-7, "1,25E-7"},
    {9999999999.99, "9999999999,99"},
};

INSTANTIATE_TEST_SUITE_P(NumberFormatValues, NumberFormatFloatToStr, ::testing::ValuesIn(kShortCases));

TEST(NumberFormatFloatToStr, DotSeparator) {
  FormatSettingsGuard guard;
  FormatSettings().DecimalSeparator = '.';
  EXPECT_EQ(FloatToStr(12345.67), "12345.67");
  EXPECT_EQ(FloatToStr(1.5e20), "1.5E20");
}

// ---------------------------------------------------------------- StrToFloat

struct ParseCase {
  const char* text;
  double expected;
};

class NumberFormatStrToFloat : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumberFormatStrToFloat, Accepts) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  EXPECT_DOUBLE_EQ(StrToFloat(GetParam().text), GetParam().expected) << GetParam().text;
}

const ParseCase kParseCases[] = {
    {"0", 0},
    {"1", 1},
    {"123,45", 123.45},
    {"-123,45", -123.45},
    {"+5", 5},
    {"  7,5  ", 7.5},
    {",5", 0.5},
    {"5,", 5},
    {"10,10", 10.10},
    {"1E3", 1000},
    {"1,5e-2", 0.015},
    {"-2E+2", -200},
    {"000000012345", 12345},
    {"1E-400", 0},
    {"0,1", 0.1},
};

INSTANTIATE_TEST_SUITE_P(NumberFormatTexts, NumberFormatStrToFloat, ::testing::ValuesIn(kParseCases));

class NumberFormatStrToFloatFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(NumberFormatStrToFloatFailure, RaisesConvertError) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  const std::string text = GetParam();
  try {
    StrToFloat(text);
    FAIL() << "no error for '" << text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'" + text + "' is not a valid floating point value");
  }
  double value = 42;
  EXPECT_FALSE(TryStrToFloat(text, value));
  EXPECT_EQ(value, 42);
  EXPECT_EQ(StrToFloatDef(text, -1), -1);
}

const char* const kBadTexts[] = {"",      " ",     "abc",   "1.5",  "1.234,56", "1,2,3",
                                 "1 2",   "--1",   "+",     ",",    "1E",       "E5",
                                 "1E+",   "12a",   "0x10",  "1E999", "- 1",     "1,5 x"};

INSTANTIATE_TEST_SUITE_P(NumberFormatTexts, NumberFormatStrToFloatFailure, ::testing::ValuesIn(kBadTexts));

TEST(NumberFormatStrToFloat, DotSeparatorSettings) {
  FormatSettingsGuard guard;
  FormatSettings().DecimalSeparator = '.';
  FormatSettings().ThousandSeparator = ',';
  EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
  EXPECT_THROW(StrToFloat("1,5"), EConvertError);
  // The sentinel "10,10" of the configuration file does not convert.
  EXPECT_THROW(StrToFloat("10,10"), EConvertError);
  EXPECT_THROW(StrToFloat("1,234.5"), EConvertError);
}

TEST(NumberFormatStrToFloat, RoundTripsFormattedText) {
  const double values[] = {0.1, 123.45, 1e-9, 9999999999.99, -2.675, 1.0 / 3.0};
  for (double v : values) {
    EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(v)), RoundTo(v, 20)) << v;
  }
}

// ---------------------------------------------------------------- RoundTo / TruncateTo

struct RoundCase {
  double value;
  int decimals;
  double rounded;
  double truncated;
};

class NumberFormatRounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(NumberFormatRounding, DecimalView) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(RoundTo(c.value, c.decimals), c.rounded) << "RoundTo(" << c.value << ")";
  EXPECT_EQ(TruncateTo(c.value, c.decimals), c.truncated) << "TruncateTo(" << c.value << ")";
}

const RoundCase kRoundCases[] = {
    {1.005, 2, 1.01, 1.0},
    {2.675, 2, 2.68, 2.67},
    {1.15, 2, 1.15, 1.15},
    {1.15, 1, 1.2, 1.1},
    {2.3 * 3, 2, 6.9, 6.9},
    {0.285, 2, 0.29, 0.28},
    {-1.999, 2, -2.0, -1.99},
    {-2.675, 2, -2.68, -2.67},
    {0.1 + 0.2, 2, 0.3, 0.3},
    {1e-9, 2, 0.0, 0.0},
    {1e-9, 9, 1e-9, 1e-9},
    {9999999999.995, 2, 10000000000.0, 9999999999.99},
    {9999999999.994, 2, 9999999999.99, 9999999999.99},
    {1234.5678, 3, 1234.568, 1234.567},
    {1234.5678, 0, 1235.0, 1234.0},
    {1234.5678, -2, 1200.0, 1200.0},
    {0.5, 0, 1.0, 0.0},
    {-0.5, 0, -1.0, 0.0},
    {19.99 * 3, 2, 59.97, 59.97},
    {0.07 * 100, 0, 7.0, 7.0},
    {4.35 * 100, 0, 435.0, 435.0},
    {0.0, 2, 0.0, 0.0},
    {123.0, 5, 123.0, 123.0},
};

INSTANTIATE_TEST_SUITE_P(NumberFormatValues, NumberFormatRounding, ::testing::ValuesIn(kRoundCases));

TEST(NumberFormatRounding, NotFiniteValuesPassThrough) {
  EXPECT_TRUE(std::isnan(RoundTo(std::numeric_limits<double>::quiet_NaN(), 2)));
  EXPECT_EQ(TruncateTo(std::numeric_limits<double>::infinity(), 2),
            std::numeric_limits<double>::infinity());
}

TEST(NumberFormatRounding, ItemLineTotalAsTheDriverComputesIt) {
  // Trunc2(Trunc2(price) * quantity), formatted and with the separator deleted.
  const double price = TruncateTo(1.99, 2);
  const double total = TruncateTo(price * 3, 2);
  EXPECT_EQ(total, 5.97);
  AnsiString text = FormatFloat("0000000000.00", total);
  text.erase(10, 1);
  EXPECT_EQ(text, "000000000597");
  const double quantity = TruncateTo(1.2345, 3);
  EXPECT_EQ(FormatFloat("0000.000", quantity), "0001,234");
}

}  // namespace
}  // namespace mdx

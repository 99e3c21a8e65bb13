// TField conversions, with the platform's rules.
#include <gtest/gtest.h>

#include <cmath>

#include "dataset/dataset_test_util.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"

namespace mdx {
namespace {

using test::DatabaseErrorOf;

class FieldAccess : public ::testing::Test {
 protected:
  void SetUp() override {
    FormatSettings() = BrazilianFormatSettings();
    ds.FieldDefs().Add("TX", ftString, 4);
    ds.FieldDefs().Add("FL", ftFloat);
    ds.FieldDefs().Add("QT", ftInteger);
    ds.FieldDefs().Add("SI", ftSmallint);
    ds.FieldDefs().Add("BO", ftBoolean);
    ds.FieldDefs().Add("DA", ftDate);
    ds.FieldDefs().Add("DT", ftDateTime);
    ds.FieldDefs().Add("WI", ftWideString, 3);
    ds.FieldDefs().Add("LI", ftLargeint);
    ds.CreateDataSet();
    ds.Append();
  }
  TField& F(const char* name) { return ds.FieldByName(name); }

  FormatSettingsGuard settings;
  TClientDataSet ds{"cdsF"};
};

TEST_F(FieldAccess, TextKeepsItsWidthAndEmptyIsNull) {
  F("TX").SetAsString("123456");
  EXPECT_EQ(F("TX").AsString(), "1234");
  F("TX").SetAsString("");
  EXPECT_TRUE(F("TX").IsNull());
  F("WI").SetAsString("\xE7\xE3o!");  // "ção!" in 1252, cut to 3
  EXPECT_EQ(F("WI").AsString(), "\xE7\xE3o");
  F("TX").SetValue(Variant(5));
  EXPECT_EQ(F("TX").AsString(), "5");
  F("TX").SetValue(Variant::Null());
  EXPECT_TRUE(F("TX").IsNull());
}

TEST_F(FieldAccess, NumbersAndTextUseTheDecimalSeparator) {
  F("TX").SetAsFloat(1.5);
  EXPECT_EQ(F("TX").AsString(), "1,5");
  EXPECT_EQ(F("TX").AsFloat(), 1.5);
  F("FL").SetAsString("1234,25");
  EXPECT_EQ(F("FL").AsFloat(), 1234.25);
  EXPECT_EQ(F("FL").AsString(), "1234,25");
  F("FL").SetDisplayFormat("#,##0.00");
  EXPECT_EQ(F("FL").DisplayText(), "1.234,25");
  FormatSettings().DecimalSeparator = '.';
  EXPECT_EQ(F("FL").AsString(), "1234.25");
  F("TX").SetAsString("2.5");
  EXPECT_EQ(F("TX").AsFloat(), 2.5);
}

TEST_F(FieldAccess, RoundingAndRanges) {
  const struct {
    double in;
    int out;
  } rounding[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}};
  for (const auto& r : rounding) {
    F("QT").SetAsFloat(r.in);
    EXPECT_EQ(F("QT").AsInteger(), r.out) << r.in;
    F("FL").SetAsFloat(r.in);
    EXPECT_EQ(F("FL").AsInteger(), r.out) << r.in;
  }
  EXPECT_EQ(DatabaseErrorOf([&] { F("SI").SetAsInteger(40000); }),
            "cdsF: 40000 is not a valid value for field 'SI'. The allowed range is -32768 to 32767");
  F("FL").SetAsFloat(3e10);
  EXPECT_NE(DatabaseErrorOf([&] { (void)F("FL").AsInteger(); }).find("out of the range"), std::string::npos);
}

// A 64-bit field keeps every digit of a number given as text, past the 53
// bits a double holds, and the 32-bit fields still refuse what they cannot hold.
TEST_F(FieldAccess, WholeNumbersAsTextKeepEveryDigit) {
  for (const char* text : {"9007199254740993", "-9007199254740993", "9223372036854775807",
                           "-9223372036854775808", "3276700229369", "+42"}) {
    F("LI").SetAsString(text);
    const std::string expected = text[0] == '+' ? std::string(text + 1) : std::string(text);
    EXPECT_EQ(F("LI").AsString(), expected) << text;
  }
  EXPECT_THROW(F("LI").SetAsString("9223372036854775808"), EConvertError);
  EXPECT_EQ(F("LI").AsString(), "42");  // a refused value changes nothing
  EXPECT_EQ(DatabaseErrorOf([&] { F("SI").SetAsString("40000"); }),
            "cdsF: 40000 is not a valid value for field 'SI'. The allowed range is -32768 to 32767");
  EXPECT_EQ(DatabaseErrorOf([&] { F("QT").SetAsString("2147483648"); }),
            "cdsF: 2147483648 is not a valid value for field 'QT'. The allowed range is -2147483648 to "
            "2147483647");
}

TEST_F(FieldAccess, BooleansAsThePlatformReadsThem) {
  const struct {
    const char* text;
    bool value;
  } texts[] = {{"True", true}, {"t", true}, {"FALSE", false}, {"fa", false}};
  for (const auto& t : texts) {
    F("BO").SetAsString(t.text);
    EXPECT_EQ(F("BO").AsBoolean(), t.value) << t.text;
  }
  EXPECT_EQ(F("BO").AsString(), "False");
  EXPECT_EQ(DatabaseErrorOf([&] { F("BO").SetAsString("yes"); }),
            "cdsF: 'yes' is not a valid boolean value for field 'BO'");
  const struct {
    const char* text;
    bool value;
  } asText[] = {{"T", true}, {"y", true}, {"1", true}, {"Sim", false}, {"N", false}};
  for (const auto& t : asText) {
    F("TX").SetAsString(t.text);
    EXPECT_EQ(F("TX").AsBoolean(), t.value) << t.text;
  }
  F("TX").SetAsBoolean(true);
  EXPECT_EQ(F("TX").AsString(), "T");
}

TEST_F(FieldAccess, DatesKeepTheirPart) {
  const TDateTime when = EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 0, 0);
  F("DA").SetAsDateTime(when);
  EXPECT_EQ(F("DA").AsDateTime(), EncodeDate(2024, 1, 15));
  EXPECT_EQ(F("DA").AsString(), "15/01/2024");
  F("DT").SetAsString("15/01/2024 10:30:00");
  EXPECT_EQ(DateTimeToMilliseconds(F("DT").AsDateTime()), DateTimeToMilliseconds(when));
  EXPECT_EQ(F("DT").Value().Type(), VarType::Date);
  EXPECT_NE(DatabaseErrorOf([&] { F("DT").SetAsDateTime(std::nan("")); }).find("Invalid date-time value"),
            std::string::npos);
  EXPECT_NE(DatabaseErrorOf([&] { F("DT").SetAsDateTime(1e7); }).find("Invalid date-time value"), std::string::npos);
}

TEST_F(FieldAccess, ConversionsAFieldDoesNotOffer) {
  EXPECT_EQ(DatabaseErrorOf([&] { (void)F("QT").AsBoolean(); }), "cdsF: Cannot access field 'QT' as type Boolean");
  EXPECT_EQ(DatabaseErrorOf([&] { (void)F("BO").AsFloat(); }), "cdsF: Cannot access field 'BO' as type Float");
  EXPECT_EQ(DatabaseErrorOf([&] { F("DA").SetAsInteger(1); }), "cdsF: Cannot access field 'DA' as type Integer");
  // Texts that do not convert raise EConvertError, and a null text is no number.
  EXPECT_THROW(F("QT").SetAsString("abc"), EConvertError);
  F("TX").Clear();
  EXPECT_THROW((void)F("TX").AsFloat(), EConvertError);
}

TEST_F(FieldAccess, AFailedWriteKeepsTheValue) {
  F("QT").SetAsInteger(7);
  EXPECT_THROW(F("QT").SetAsString("x7"), EConvertError);
  EXPECT_THROW(F("QT").SetValue(Variant("nope")), Exception);
  EXPECT_EQ(F("QT").AsInteger(), 7);
}

TEST_F(FieldAccess, ValuesAsVariants) {
  EXPECT_TRUE(F("QT").Value().IsNull());
  F("QT").SetValue(Variant(2.5));
  EXPECT_EQ(F("QT").Value(), Variant(2));
  F("FL").SetValue(Variant("3,5"));
  EXPECT_EQ(F("FL").Value(), Variant(3.5));
  F("BO").SetValue(Variant(true));
  EXPECT_EQ(F("BO").Value(), Variant(true));
  F("TX").SetValue(Variant("ab"));
  EXPECT_EQ(F("TX").Value(), Variant("ab"));
}

}  // namespace
}  // namespace mdx

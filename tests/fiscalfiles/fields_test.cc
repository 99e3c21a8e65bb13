// The fields the files are made of, and the fabrication number.
#include <gtest/gtest.h>

#include <stdexcept>

#include "fiscalfiles/fabrication_number.h"
#include "fiscalfiles/fixed_fields.h"
#include "sample_state.h"

namespace mdx::fiscalfiles::test {
namespace {

TEST(FabricationNumberTest, LettersThenDigitsZeroFilledToTwenty) {
  struct Case {
    const char* serial;
    const char* number;
  } cases[] = {
      {"SW0000001", "SW000000000000000001"},
      {"SW123456", "SW000000000000123456"},
      {"AB12C3", "ABC00000000000000123"},
      {"123", "00000000000000000123"},
      {"SWEDA", "SWEDA000000000000000"},
      {"", "00000000000000000000"},
      {"ABCDEFGHIJKLMNOPQRS12", "ABCDEFGHIJKLMNOPQRS1"},  // longer than 20: cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.serial);
    EXPECT_EQ(FabricationNumber(c.serial), c.number);
  }
}

TEST(FixedFieldsTest, NumbersAreZeroFilledAndNeverCut) {
  EXPECT_EQ(Digits(0, 4), "0000");
  EXPECT_EQ(Digits(616, 14), "00000000000616");
  EXPECT_EQ(Digits(9999, 4), "9999");
  EXPECT_THROW(Digits(10000, 4), std::length_error);
  EXPECT_THROW(Digits(-1, 4), std::length_error);
}

TEST(FixedFieldsTest, TextsAreBlankFilledCutAndKeepTheirLine) {
  EXPECT_EQ(Text("CAFE", 6), "CAFE  ");
  EXPECT_EQ(Text("PAO DE QUEIJO", 3), "PAO");
  EXPECT_EQ(Text("A\r\nB\tC", 7), "A  B C ");
  EXPECT_EQ(Text("", 2), "  ");
}

TEST(FixedFieldsTest, DatesAndTimesInFixedForms) {
  const TDateTime moment = At(6, 9, 5, 30);
  EXPECT_EQ(DateDigits(moment), "20261206");
  EXPECT_EQ(TimeDigits(moment), "090530");
  EXPECT_EQ(DateText(moment), "06/12/2026");
  EXPECT_EQ(DateTimeText(moment), "06/12/2026 09:05:30");
  EXPECT_EQ(DayNumber(moment), static_cast<int>(EncodeDate(2026, 12, 6)));
  // A hair before midnight stays in its day.
  EXPECT_EQ(DateTimeText(EncodeDate(2026, 12, 6) + EncodeTime(23, 59, 59, 999)),
            "06/12/2026 23:59:59");
  EXPECT_EQ(JoinLines({"A", "", "B"}), "A\r\n\r\nB\r\n");
}

}  // namespace
}  // namespace mdx::fiscalfiles::test

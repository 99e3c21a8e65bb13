// Reading the range texts of the reproduction calls.
#include <gtest/gtest.h>

#include <cmath>

#include "fiscalfiles/range.h"
#include "mdx00200/datetime.h"

namespace mdx::fiscalfiles::test {
namespace {

int Day(int day, int month, int year) {
  return static_cast<int>(std::floor(EncodeDate(year, month, day)));
}

TEST(ReproductionRangeTest, ReadsCountersAndDaysAndRefusesTheRest) {
  const RangeKind C = RangeKind::kCounter;
  const RangeKind D = RangeKind::kDay;
  struct Case {
    const char* rules;
    const char* first;
    const char* last;
    Code code;
    Range range;
  } cases[] = {
      // What the electronic file gets: right-aligned COOs, days in full.
      {"document", "   123", "  4567", kOk, {C, 123, 4567}},
      {"document", "000001", "000010", kOk, {C, 1, 10}},
      {"document", "1", "999999", kOk, {C, 1, 999999}},
      {"document", "06122026", "06122026", kOk, {D, Day(6, 12, 2026), Day(6, 12, 2026)}},
      {"document", " 06/12/2026 ", "07/12/2026", kOk, {D, Day(6, 12, 2026), Day(7, 12, 2026)}},
      {"document", "061226", "061226", kOk, {C, 61226, 61226}},  // no short dates here
      {"document", "32122026", "06122026", kBadDate, {}},
      {"document", "29022026", "01032026", kBadDate, {}},  // 2026 is no leap year
      {"document", "6/12/2026", "06/12/2026", kBadDate, {}},
      {"document", "06122026", "31/04/2026", kBadDate, {}},
      {"document", "10", "9", kBadRange, {}},
      {"document", "07122026", "06122026", kBadRange, {}},
      {"document", "0", "5", kBadRange, {}},
      {"document", "06122026", "123", kBadRange, {}},  // mixed kinds
      {"document", "", "5", kBadRange, {}},
      {"document", "   ", "5", kBadRange, {}},
      {"document", "12a", "20", kBadRange, {}},
      {"document", "1 2", "20", kBadRange, {}},
      {"document", "-1", "20", kBadRange, {}},
      {"document", "1234567", "1234568", kBadRange, {}},
      // The mirror: the host's texts unchanged, short dates included.
      {"mirror", "061226", "071226", kOk, {D, Day(6, 12, 2026), Day(7, 12, 2026)}},
      {"mirror", "061226", "07/12/2026", kOk, {D, Day(6, 12, 2026), Day(7, 12, 2026)}},
      {"mirror", "000001", "000123", kOk, {C, 1, 123}},  // day 00: counters
      {"mirror", "321226", "331226", kOk, {C, 321226, 331226}},
      {"mirror", "010126", "   999", kBadRange, {}},  // counters: 10126 after 999
      {"mirror", "06/12/2026", "5", kBadRange, {}},
      // Fiscal-memory readings: CRZ numbers of up to 4 digits, or days.
      {"reduction", "0001", "0005", kOk, {C, 1, 5}},
      {"reduction", "061226", "071226", kOk, {D, Day(6, 12, 2026), Day(7, 12, 2026)}},
      {"reduction", "01/12/2026", "06122026", kOk, {D, Day(1, 12, 2026), Day(6, 12, 2026)}},
      {"reduction", "321226", "071226", kBadDate, {}},  // six digits are a date or nothing
      {"reduction", "12345", "12346", kBadRange, {}},
      {"reduction", "01/12/2026", "1", kBadRange, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rules) + " [" + c.first + "] [" + c.last + "]");
    const RangeRules rules = std::string(c.rules) == "document" ? kDocumentRange
                             : std::string(c.rules) == "mirror" ? kMirrorRange
                                                                : kReductionRange;
    const RangeResult result = ParseRange(c.first, c.last, rules);
    EXPECT_EQ(result.code, c.code);
    if (c.code == kOk) {
      EXPECT_EQ(result.range, c.range);
    }
  }
}

TEST(ReproductionRangeTest, NullTextsAreABadRange) {
  EXPECT_EQ(ParseRange(nullptr, "5", kDocumentRange).code, kBadRange);
  EXPECT_EQ(ParseRange("5", nullptr, kMirrorRange).code, kBadRange);
}

TEST(ReproductionRangeTest, HeaderTextNamesTheCounterOrTheDays) {
  EXPECT_EQ(RangeText({RangeKind::kCounter, 1, 123}, "COO", 6), "COO 000001 A 000123");
  EXPECT_EQ(RangeText({RangeKind::kCounter, 2, 5}, "CRZ", 4), "CRZ 0002 A 0005");
  EXPECT_EQ(RangeText({RangeKind::kDay, Day(6, 12, 2026), Day(7, 1, 2027)}, "COO", 6),
            "DATA 06/12/2026 A 07/01/2027");
}

}  // namespace
}  // namespace mdx::fiscalfiles::test

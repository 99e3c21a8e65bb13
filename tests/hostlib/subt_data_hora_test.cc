// The difference between the printer's clock and the till's as "hh:nn:ss".
#include <gtest/gtest.h>

#include <limits>

#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"

namespace {

using mdx::TDateTime;
using Xop_korvana::SubtDataHoraXop;

TDateTime At(int day, int hour, int minute, int second, int ms = 0) {
  return mdx::EncodeDate(2024, 3, day) + mdx::EncodeTime(hour, minute, second, ms);
}

TEST(SubtDataHoraXop, GivesTheDifferenceWithASignWhenThePrinterIsAhead) {
  struct Case {
    TDateTime printer;
    TDateTime now;
    const char* expected;
  };
  const Case cases[] = {
      {At(10, 9, 0, 0), At(10, 9, 0, 0), "00:00:00"},
      {At(10, 9, 0, 0), At(10, 9, 16, 5), "00:16:05"},
      {At(10, 9, 16, 5), At(10, 9, 0, 0), "-00:16:05"},
      {At(10, 23, 50, 0), At(11, 1, 10, 30), "01:20:30"},    // across midnight
      {At(10, 9, 0, 0), At(10, 9, 0, 59, 999), "00:00:59"},  // whole seconds
      {At(10, 9, 0, 0, 400), At(10, 9, 0, 0), "00:00:00"},   // less than a second: no sign
      {At(10, 9, 0, 0), At(11, 8, 59, 59), "23:59:59"},
      {At(10, 9, 0, 0), At(11, 9, 0, 0), "23:59:59"},        // a day or more
      {At(10, 9, 0, 0), At(20, 17, 0, 0), "23:59:59"},
      {At(20, 17, 0, 0), At(10, 9, 0, 0), "-23:59:59"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SubtDataHoraXop(c.printer, c.now), c.expected) << c.expected;
}

TEST(SubtDataHoraXop, TheCallersTimeReadingSeesTheMinutes) {
  // The date check reads 5 characters after an optional "-" as "hh:nn".
  for (TDateTime printer : {At(10, 9, 0, 0), At(10, 9, 32, 0)}) {
    mdx::AnsiString text = SubtDataHoraXop(printer, At(10, 9, 16, 0));
    if (text[0] == '-') text.erase(0, 1);
    EXPECT_EQ(text.substr(0, 5), "00:16");
  }
}

TEST(SubtDataHoraXop, ImpossibleDateTimesAreAConversionError) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(SubtDataHoraXop(nan, At(10, 9, 0, 0)), mdx::EConvertError);
  EXPECT_THROW(SubtDataHoraXop(At(10, 9, 0, 0), 1e300), mdx::EConvertError);
}

}  // namespace

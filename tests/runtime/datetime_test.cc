// TDateTime: encoding and decoding, whole milliseconds, the replaceable clock,
// FormatDateTime masks and the text-to-date conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"

namespace mdx {
namespace {

constexpr double kMsPerDay = 86400000.0;

// 5 March 2024 (a Tuesday), 09:04:03.007.
TDateTime Reference() { return EncodeDate(2024, 3, 5) + EncodeTime(9, 4, 3, 7); }

TDateTime g_fixedNow = 0;
TDateTime FixedClock() { return g_fixedNow; }

// Installs a fixed clock for the test's scope.
class ClockGuard {
 public:
  explicit ClockGuard(TDateTime now) {
    g_fixedNow = now;
    previous_ = SetClock(&FixedClock);
  }
  ~ClockGuard() { SetClock(previous_); }
  ClockGuard(const ClockGuard&) = delete;
  ClockGuard& operator=(const ClockGuard&) = delete;

 private:
  ClockFunction previous_;
};

// ---------------------------------------------------------------- encode / decode

struct DateCase {
  int year, month, day;
  double serial;
  int dayOfWeek;
};

class DateTimeEncodeDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTimeEncodeDate, EncodesAndDecodes) {
  const DateCase& c = GetParam();
  EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
  int y = 0, m = 0, d = 0;
  DecodeDate(c.serial, y, m, d);
  EXPECT_EQ(y, c.year);
  EXPECT_EQ(m, c.month);
  EXPECT_EQ(d, c.day);
  EXPECT_EQ(DayOfWeek(c.serial), c.dayOfWeek);
}

const DateCase kDateCases[] = {
    {1899, 12, 30, 0, 7},       {1899, 12, 31, 1, 1},      {1899, 12, 29, -1, 6},
    {1900, 1, 1, 2, 2},         {1900, 2, 28, 60, 4},      {1900, 3, 1, 61, 5},
    {2000, 1, 1, 36526, 7},     {2000, 2, 29, 36585, 3},   {2024, 1, 1, 45292, 2},
    {2024, 2, 29, 45351, 5},    {2024, 3, 1, 45352, 6},    {2024, 3, 5, 45356, 3},
    {2026, 12, 5, 46361, 7},    {1, 1, 1, -693593, 2},     {9999, 12, 31, 2958465, 6},
};

INSTANTIATE_TEST_SUITE_P(DateTimeDates, DateTimeEncodeDate, ::testing::ValuesIn(kDateCases));

struct BadDate {
  int year, month, day;
};

class DateTimeEncodeDateFailure : public ::testing::TestWithParam<BadDate> {};

TEST_P(DateTimeEncodeDateFailure, Raises) {
  const BadDate& c = GetParam();
  TDateTime result = 123;
  EXPECT_FALSE(TryEncodeDate(c.year, c.month, c.day, result));
  EXPECT_EQ(result, 123);
  EXPECT_THROW(EncodeDate(c.year, c.month, c.day), EConvertError);
}

const BadDate kBadDates[] = {{2023, 2, 29}, {1900, 2, 29}, {2100, 2, 29}, {2024, 13, 1},
                             {2024, 0, 1},  {2024, 1, 0},  {2024, 4, 31}, {2024, 1, 32},
                             {0, 1, 1},     {10000, 1, 1}, {-5, 1, 1}};

INSTANTIATE_TEST_SUITE_P(DateTimeDates, DateTimeEncodeDateFailure, ::testing::ValuesIn(kBadDates));

TEST(DateTimeCalendar, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 4), 30);
  EXPECT_EQ(DaysInMonth(2024, 12), 31);
  EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(DateTimeCalendar, EveryDayRoundTrips) {
  int previousYear = 1899, previousMonth = 12, previousDay = 29;
  for (int serial = 0; serial < 60000; ++serial) {
    int y = 0, m = 0, d = 0;
    DecodeDate(serial, y, m, d);
    ASSERT_EQ(EncodeDate(y, m, d), serial);
    // Each day follows the one before.
    const bool nextDay = (y == previousYear && m == previousMonth && d == previousDay + 1) ||
                         (y == previousYear && m == previousMonth + 1 && d == 1) ||
                         (y == previousYear + 1 && m == 1 && d == 1);
    ASSERT_TRUE(nextDay) << serial;
    previousYear = y;
    previousMonth = m;
    previousDay = d;
  }
}

TEST(DateTimeEncodeTime, EncodesAndDecodes) {
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_EQ(EncodeTime(0, 0, 0, 0), 0.0);
  int h = 0, n = 0, s = 0, z = 0;
  DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, z);
  EXPECT_EQ(h, 23);
  EXPECT_EQ(n, 59);
  EXPECT_EQ(s, 59);
  EXPECT_EQ(z, 999);
  DecodeTime(Reference(), h, n, s, z);
  EXPECT_EQ(h, 9);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(s, 3);
  EXPECT_EQ(z, 7);
}

TEST(DateTimeEncodeTime, RejectsImpossibleTimes) {
  TDateTime result = 0;
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, result));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, result));
  EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, result));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, result));
  EXPECT_FALSE(TryEncodeTime(-1, 0, 0, 0, result));
  EXPECT_THROW(EncodeTime(25, 0, 0, 0), EConvertError);
}

TEST(DateTimeMilliseconds, WholeMilliseconds) {
  EXPECT_EQ(DateTimeToMilliseconds(0), 0);
  EXPECT_EQ(DateTimeToMilliseconds(1.5), 129600000);
  EXPECT_EQ(DateTimeToMilliseconds(Reference()),
            45356LL * 86400000 + ((9 * 60 + 4) * 60 + 3) * 1000 + 7);
  // A hair before midnight is midnight of the next day.
  EXPECT_EQ(DateTimeToMilliseconds(45356 + 86399999.6 / kMsPerDay), 45357LL * 86400000);
  EXPECT_EQ(MillisecondsToDateTime(129600000), 1.5);
  EXPECT_EQ(MillisecondsToDateTime(0), 0.0);
  for (long long ms : {0LL, 1LL, 86399999LL, 86400000LL, 3918758400007LL, 3918844799999LL}) {
    EXPECT_EQ(DateTimeToMilliseconds(MillisecondsToDateTime(ms)), ms) << ms;
  }
}

TEST(DateTimeMilliseconds, NegativeDates) {
  // -1.25 is 29 December 1899, 06:00: the fraction's absolute value is the time.
  EXPECT_EQ(DateTimeToMilliseconds(-1.25), -86400000 + 21600000);
  EXPECT_EQ(MillisecondsToDateTime(-86400000 + 21600000), -1.25);
  EXPECT_EQ(DateTimeToMilliseconds(-1.0), -86400000);
  EXPECT_EQ(MillisecondsToDateTime(-86400000), -1.0);
  EXPECT_EQ(DateTimeToMilliseconds(-2.5), -2 * 86400000LL + 43200000);
  int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
  DecodeDate(-1.25, y, m, d);
  DecodeTime(-1.25, h, n, s, z);
  EXPECT_EQ(y, 1899);
  EXPECT_EQ(m, 12);
  EXPECT_EQ(d, 29);
  EXPECT_EQ(h, 6);
  EXPECT_EQ(n, 0);
  // Between -1 and 0 the day is 30 December 1899.
  DecodeDate(-0.5, y, m, d);
  DecodeTime(-0.5, h, n, s, z);
  EXPECT_EQ(d, 30);
  EXPECT_EQ(h, 12);
  EXPECT_EQ(DayOfWeek(-1.25), 6);
  EXPECT_EQ(DayOfWeek(-0.5), 7);
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", -1.25), "29/12/1899 06:00");
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", -2.75), "28/12/1899 18:00");
}

// ---------------------------------------------------------------- clock

TEST(DateTimeClock, FixedClockDrivesNowDateAndTime) {
  ClockGuard clock(EncodeDate(2026, 12, 5) + EncodeTime(18, 30, 0, 0));
  EXPECT_DOUBLE_EQ(Now(), 46361.0 + 0.770833333333333333);
  EXPECT_EQ(Date(), 46361.0);
  EXPECT_DOUBLE_EQ(Time(), EncodeTime(18, 30, 0, 0));
  EXPECT_EQ(FormatDateTime("MMYY", Now()), "1226");
}

TEST(DateTimeClock, DateCarriesAtMidnight) {
  ClockGuard clock(46361.0 + 86399999.7 / kMsPerDay);
  EXPECT_EQ(Date(), 46362.0);
  EXPECT_EQ(Time(), 0.0);
}

TEST(DateTimeClock, SetClockReturnsThePreviousOne) {
  const ClockFunction original = SetClock(&FixedClock);
  EXPECT_EQ(SetClock(original), &FixedClock);
  // nullptr restores the system clock. (Compared by what it reads: across a
  // DLL boundary the address of SystemNow differs from the one the DLL keeps.)
  const ClockFunction before = SetClock(nullptr);
  const ClockFunction restored = SetClock(before);
  EXPECT_NEAR(restored(), SystemNow(), 1.0 / 86400);
}

TEST(DateTimeClock, SystemNowIsTheLocalTime) {
  const TDateTime a = SystemNow();
  const TDateTime b = SystemNow();
  EXPECT_GE(b, a);
  EXPECT_LT(b - a, 1.0 / 24);
  int y = 0, m = 0, d = 0;
  DecodeDate(a, y, m, d);
  EXPECT_GE(y, 2024);
  EXPECT_LE(y, 2200);
}

// ---------------------------------------------------------------- FormatDateTime

struct MaskCase {
  const char* mask;
  const char* expected;
};

class DateTimeFormatMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(DateTimeFormatMask, FormatsTheReference) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  EXPECT_EQ(FormatDateTime(GetParam().mask, Reference()), GetParam().expected)
      << "mask " << GetParam().mask;
}

const MaskCase kMaskCases[] = {
    {"ddmmyy", "050324"},
    {"ddmmyyyy", "05032024"},
    {"DDMMYYYY", "05032024"},
    {"dd/mm/yyyy hh:nn:ss", "05/03/2024 09:04:03"},
    {"MMYY", "0324"},
    {"hhnn", "0904"},
    {"hhmmss", "090403"},
    {"yyyymmdd", "20240305"},
    {"ddmmyyyyhhnnss", "05032024090403"},
    {"DD/MM/YYYY hh:mm", "05/03/2024 09:04"},
    {"dd/mm/yy", "05/03/24"},
    {"d/m/y", "5/3/24"},
    {"yyy", "2024"},
    {"y", "24"},
    {"ddd", "ter"},
    {"dddd", "ter\xE7" "a-feira"},
    {"mmm", "mar"},
    {"mmmm", "mar\xE7o"},
    {"ddddd", "05/03/2024"},
    {"dddddd", "05/03/2024"},
    {"h:n:s", "9:4:3"},
    {"nn:ss", "04:03"},
    {"mm:ss", "04:03"},
    {"hh:nn:ss.zzz", "09:04:03.007"},
    {"z", "7"},
    {"zz", "07"},
    {"t", "09:04"},
    {"tt", "09:04:03"},
    {"c", "05/03/2024 09:04:03"},
    {"", "05/03/2024 09:04:03"},
    {"hh:nn am/pm", "09:04 am"},
    {"hh:nn AM/PM", "09:04 AM"},
    {"h:nn a/p", "9:04 a"},
    {"'dia' dd", "dia 05"},
    {"\"hh\" hh", "hh 09"},
    {"yyyy-mm-dd", "2024-03-05"},
    {"dd.mm.yyyy", "05.03.2024"},
    {"hhhh", "09"},
};

INSTANTIATE_TEST_SUITE_P(DateTimeMasks, DateTimeFormatMask, ::testing::ValuesIn(kMaskCases));

TEST(DateTimeFormat, AfternoonAndTwelveHourClock) {
  const TDateTime evening = EncodeDate(2024, 3, 5) + EncodeTime(21, 4, 0, 0);
  EXPECT_EQ(FormatDateTime("hh:nn am/pm", evening), "09:04 pm");
  EXPECT_EQ(FormatDateTime("hh:nn", evening), "21:04");
  const TDateTime midnight = EncodeDate(2024, 3, 5);
  EXPECT_EQ(FormatDateTime("h:nn am/pm", midnight), "12:00 am");
  FormatSettingsGuard guard;
  FormatSettings().TimeAMString = "AM";
  FormatSettings().TimePMString = "PM";
  EXPECT_EQ(FormatDateTime("hh:nn ampm", evening), "09:04 PM");
}

TEST(DateTimeFormat, NeverPrintsTwentyFourHours) {
  const TDateTime almost = EncodeDate(2024, 3, 5) + 86399999.6 / kMsPerDay;
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn:ss.zzz", almost), "06/03/2024 00:00:00.000");
  const TDateTime last = EncodeDate(2024, 3, 5) + EncodeTime(23, 59, 59, 999);
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn:ss.zzz", last), "05/03/2024 23:59:59.999");
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", EncodeDate(2024, 12, 31) + 0.99999999999),
            "01/01/2025 00:00");
}

TEST(DateTimeFormat, SeparatorsComeFromTheSettings) {
  FormatSettingsGuard guard;
  FormatSettings().DateSeparator = '-';
  FormatSettings().TimeSeparator = '.';
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", Reference()), "05-03-2024 09.04");
  EXPECT_EQ(FormatDateTime("'dd/mm' dd/mm", Reference()), "dd/mm 05-03");
  EXPECT_EQ(DateToStr(Reference()), "05-03-2024");
  FormatSettings().ShortDateFormat = "yyyy/mm/dd";
  EXPECT_EQ(DateToStr(Reference()), "2024-03-05");
}

TEST(DateTimeFormat, DateToStrTimeToStrDateTimeToStr) {
  EXPECT_EQ(DateToStr(Reference()), "05/03/2024");
  EXPECT_EQ(TimeToStr(Reference()), "09:04:03");
  EXPECT_EQ(DateTimeToStr(Reference()), "05/03/2024 09:04:03");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5)), "05/03/2024");
  EXPECT_EQ(DateTimeToStr(0), "30/12/1899");
  EXPECT_EQ(DateTimeToStr(0.5), "30/12/1899 12:00:00");
}

TEST(DateTimeFormat, DebugLogMonthFile) {
  // "impdebug" + "MMYY" + ".txt": December 2026 gives impdebug1226.txt.
  EXPECT_EQ("impdebug" + FormatDateTime("MMYY", EncodeDate(2026, 12, 1)) + ".txt",
            "impdebug1226.txt");
}

// ---------------------------------------------------------------- parsing

struct ParseCase {
  const char* text;
  int year, month, day;
};

class DateTimeStrToDate : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DateTimeStrToDate, Parses) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  const ParseCase& c = GetParam();
  EXPECT_EQ(StrToDate(c.text), EncodeDate(c.year, c.month, c.day)) << c.text;
}

const ParseCase kDateTexts[] = {
    {"05/03/2024", 2024, 3, 5},  {"5/3/2024", 2024, 3, 5},    {" 05/03/2024 ", 2024, 3, 5},
    {"05/03/24", 2024, 3, 5},    {"01/01/00", 2000, 1, 1},    {"31/12/49", 2049, 12, 31},
    {"01/01/50", 1950, 1, 1},    {"31/12/99", 1999, 12, 31},  {"29/02/2024", 2024, 2, 29},
    {"31/12/9999", 9999, 12, 31}, {"01/01/0001", 1, 1, 1},    {"30/12/1899", 1899, 12, 30},
    {"05 / 03 / 2024", 2024, 3, 5}, {"05/03/2024/", 2024, 3, 5}, {"05/03/0024", 24, 3, 5},
};

INSTANTIATE_TEST_SUITE_P(DateTimeTexts, DateTimeStrToDate, ::testing::ValuesIn(kDateTexts));

class DateTimeStrToDateFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(DateTimeStrToDateFailure, RaisesConvertError) {
  FormatSettingsGuard guard;
  FormatSettings() = BrazilianFormatSettings();
  const std::string text = GetParam();
  try {
    StrToDate(text);
    FAIL() << "no error for '" << text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'" + text + "' is not a valid date");
  }
  TDateTime value = 7;
  EXPECT_FALSE(TryStrToDate(text, value));
  EXPECT_EQ(value, 7);
}

const char* const kBadDates2[] = {"",           "abc",         "31/02/2024", "12/13/2024",
                                  "29/02/2023", "00/01/2024",  "32/01/2024", "05-03-2024",
                                  "05/03/2024 10:00", "05/03/2024x", "05//2024", "/03/2024",
                                  "05/03/",     "05/03/0000",  "05",         "050324",
                                  "05/03/2024/1"};

INSTANTIATE_TEST_SUITE_P(DateTimeTexts, DateTimeStrToDateFailure, ::testing::ValuesIn(kBadDates2));

TEST(DateTimeStrToDate, DayAndMonthOnlyTakeTheCurrentYear) {
  ClockGuard clock(EncodeDate(2026, 7, 1));
  EXPECT_EQ(StrToDate("05/03"), EncodeDate(2026, 3, 5));
}

TEST(DateTimeStrToDate, FollowsTheShortDateFormatOrder) {
  FormatSettingsGuard guard;
  FormatSettings().ShortDateFormat = "mm/dd/yyyy";
  EXPECT_EQ(StrToDate("03/05/2024"), EncodeDate(2024, 3, 5));
  EXPECT_THROW(StrToDate("13/05/2024"), EConvertError);
  FormatSettings().ShortDateFormat = "yyyy-mm-dd";
  FormatSettings().DateSeparator = '-';
  EXPECT_EQ(StrToDate("2024-03-05"), EncodeDate(2024, 3, 5));
  EXPECT_THROW(StrToDate("2024/03/05"), EConvertError);
}

TEST(DateTimeStrToDate, RoundTripsThroughDateToStr) {
  for (int serial = 1; serial < 80000; serial += 37) {
    EXPECT_EQ(StrToDate(DateToStr(serial)), serial) << serial;
  }
}

TEST(DateTimeStrToTime, Parses) {
  EXPECT_EQ(StrToTime("09:04"), EncodeTime(9, 4, 0, 0));
  EXPECT_EQ(StrToTime("9:4:3"), EncodeTime(9, 4, 3, 0));
  EXPECT_EQ(StrToTime("23:59:59"), EncodeTime(23, 59, 59, 0));
  EXPECT_EQ(StrToTime("09:04:03,500"), EncodeTime(9, 4, 3, 500));
  EXPECT_EQ(StrToTime(" 12 "), EncodeTime(12, 0, 0, 0));
  EXPECT_EQ(StrToTime("09:04 PM"), EncodeTime(21, 4, 0, 0));
  EXPECT_EQ(StrToTime("12:00 am"), 0.0);
  // The time difference of the printer clock, read as a time and shown as "hhnn".
  EXPECT_EQ(FormatDateTime("hhnn", StrToTime("00:16")), "0016");
  EXPECT_EQ(FormatDateTime("hhnn", StrToTime("01:00")), "0100");
}

TEST(DateTimeStrToTime, RaisesConvertError) {
  for (const char* text : {"", "24:00", "09:60", "abc", "09:04:03:01", "09:04 x", "13:00 PM",
                           "09:", ":30"}) {
    try {
      StrToTime(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid time");
    }
  }
}

TEST(DateTimeStrToDateTime, DateWithOptionalTime) {
  const TDateTime day = EncodeDate(2024, 3, 5);
  EXPECT_EQ(StrToDateTime("05/03/2024 09:04:03"), day + EncodeTime(9, 4, 3, 0));
  EXPECT_EQ(StrToDateTime("05/03/2024 09:04"), day + EncodeTime(9, 4, 0, 0));
  EXPECT_EQ(StrToDateTime("05/03/2024"), day);
  EXPECT_EQ(StrToDateTime("05/03/24 09:04"), day + EncodeTime(9, 4, 0, 0));
  EXPECT_EQ(StrToDateTime("09:04"), EncodeTime(9, 4, 0, 0));
  EXPECT_EQ(StrToDateTime("29/12/1899 06:00"), -1.25);
  TDateTime value = 0;
  EXPECT_TRUE(TryStrToDateTime("05/03/2024 23:59:59", value));
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn:ss", value), "05/03/2024 23:59:59");
}

TEST(DateTimeStrToDateTime, RaisesConvertError) {
  for (const char* text : {"", "05/03/2024 25:00", "05/03/2024 xx", "31/02/2024 10:00",
                           "05/03/2024 10:00 x"}) {
    try {
      StrToDateTime(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid date and time");
    }
  }
  TDateTime value = 3;
  EXPECT_FALSE(TryStrToDateTime("abc", value));
  EXPECT_EQ(value, 3);
}

}  // namespace
}  // namespace mdx

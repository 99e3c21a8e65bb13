// TDateTime arithmetic: the clock, encoding and decoding, whole milliseconds.
#include "mdx00200/datetime.h"

#include <atomic>
#include <cmath>

#include "mdx00200/exceptions.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/time.h>
#include <time.h>
#endif

namespace mdx {
namespace {

constexpr int64_t kMsPerDay = 86400000;
// Days from 1 January 1970 to 30 December 1899 (day 0 of TDateTime).
constexpr int64_t kUnixEpochSerial = 25569;
// Dates the platform encodes: years 1 to 9999.
constexpr double kMaxAbsDays = 3000000.0;

std::atomic<ClockFunction> g_clock{&SystemNow};

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Howard Hinnant's civil-date algorithms, days relative to 1970-01-01.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  year = static_cast<int>(y + (m <= 2));
  month = static_cast<int>(m);
  day = static_cast<int>(d);
}

// Whole day number and milliseconds into the day (0 .. 86399999).
void SplitMilliseconds(TDateTime value, int64_t& dayNumber, int64_t& msOfDay) {
  const int64_t ms = DateTimeToMilliseconds(value);
  dayNumber = FloorDiv(ms, kMsPerDay);
  msOfDay = ms - dayNumber * kMsPerDay;
}

TDateTime ComposeLocal(int year, int month, int day, int hour, int minute, int second, int ms) {
  TDateTime date = 0;
  TDateTime time = 0;
  if (!TryEncodeDate(year, month, day, date)) return 0;
  if (!TryEncodeTime(hour, minute, second, ms, time)) return date;
  return date + time;
}

}  // namespace

ClockFunction SetClock(ClockFunction clock) {
  return g_clock.exchange(clock != nullptr ? clock : &SystemNow);
}

TDateTime SystemNow() {
#ifdef _WIN32
  SYSTEMTIME st;
  GetLocalTime(&st);
  return ComposeLocal(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                      st.wMilliseconds);
#else
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const time_t seconds = now.tv_sec;
  tm local{};
  localtime_r(&seconds, &local);
  return ComposeLocal(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                      static_cast<int>(now.tv_nsec / 1000000));
#endif
}

TDateTime Now() { return g_clock.load()(); }

TDateTime Date() {
  int64_t dayNumber = 0;
  int64_t msOfDay = 0;
  SplitMilliseconds(Now(), dayNumber, msOfDay);
  return static_cast<TDateTime>(dayNumber);
}

TDateTime Time() {
  int64_t dayNumber = 0;
  int64_t msOfDay = 0;
  SplitMilliseconds(Now(), dayNumber, msOfDay);
  return static_cast<TDateTime>(msOfDay) / static_cast<TDateTime>(kMsPerDay);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return false;
  }
  result = static_cast<TDateTime>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
      kUnixEpochSerial);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime result = 0;
  if (!TryEncodeDate(year, month, day, result)) {
    throw EConvertError("Invalid argument to date encode");
  }
  return result;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999) {
    return false;
  }
  const int64_t ms = ((static_cast<int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  result = static_cast<TDateTime>(ms) / static_cast<TDateTime>(kMsPerDay);
  return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime result = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, result)) {
    throw EConvertError("Invalid argument to time encode");
  }
  return result;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  int64_t dayNumber = 0;
  int64_t msOfDay = 0;
  SplitMilliseconds(value, dayNumber, msOfDay);
  CivilFromDays(dayNumber - kUnixEpochSerial, year, month, day);
  if (year < 1 || year > 9999) {
    // Outside the platform's calendar: it decodes to zeros.
    year = month = day = 0;
  }
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
  int64_t dayNumber = 0;
  int64_t msOfDay = 0;
  SplitMilliseconds(value, dayNumber, msOfDay);
  millisecond = static_cast<int>(msOfDay % 1000);
  const int64_t seconds = msOfDay / 1000;
  second = static_cast<int>(seconds % 60);
  minute = static_cast<int>(seconds / 60 % 60);
  hour = static_cast<int>(seconds / 3600);
}

int DayOfWeek(TDateTime value) {
  int64_t dayNumber = 0;
  int64_t msOfDay = 0;
  SplitMilliseconds(value, dayNumber, msOfDay);
  // Day 0 (30 December 1899) was a Saturday.
  const int64_t mod = ((dayNumber % 7) + 7) % 7;
  return static_cast<int>((mod + 6) % 7 + 1);
}

int64_t DateTimeToMilliseconds(TDateTime value) {
  if (std::isnan(value)) return 0;
  double magnitude = std::fabs(value);
  if (magnitude > kMaxAbsDays) magnitude = kMaxAbsDays;
  // Round the whole value to milliseconds first, so a time a hair before
  // midnight carries into the next day instead of reading as 24:00.
  const int64_t total = static_cast<int64_t>(std::llround(magnitude * static_cast<double>(kMsPerDay)));
  if (value >= 0) return total;
  // Negative values: the integer part is the day (toward zero), the
  // fraction's absolute value is the time of that day.
  const int64_t days = total / kMsPerDay;
  const int64_t msOfDay = total % kMsPerDay;
  return -days * kMsPerDay + msOfDay;
}

TDateTime MillisecondsToDateTime(int64_t ms) {
  const int64_t dayNumber = FloorDiv(ms, kMsPerDay);
  const int64_t msOfDay = ms - dayNumber * kMsPerDay;
  const TDateTime fraction = static_cast<TDateTime>(msOfDay) / static_cast<TDateTime>(kMsPerDay);
  const TDateTime day = static_cast<TDateTime>(dayNumber);
  return dayNumber >= 0 ? day + fraction : day - fraction;
}

}  // namespace mdx

// TDateTime: days since 30 December 1899, the time of day as the fraction,
// and the platform's date routines.
#pragma once

#include <cstdint>

#include "mdx00200/ansi_string.h"

namespace mdx {

using TDateTime = double;

// The clock behind Now/Date/Time. The default reads the system clock (local
// time); the host services replace it so tests can fix the time.
using ClockFunction = TDateTime (*)();
ClockFunction SetClock(ClockFunction clock);  // returns the previous one
TDateTime SystemNow();

TDateTime Now();
TDateTime Date();  // today at midnight
TDateTime Time();  // the time of day only

// Raise EConvertError on an impossible date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
int DayOfWeek(TDateTime value);  // 1 = Sunday .. 7 = Saturday
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Date-time to and from whole milliseconds since 30 December 1899, the
// representation in which the time of day is exact.
int64_t DateTimeToMilliseconds(TDateTime value);
TDateTime MillisecondsToDateTime(int64_t ms);

// FormatDateTime with the platform's mask letters: d dd ddd dddd ddddd (short
// date), m mm mmm mmmm (month; minutes after h or before s), yy yyyy, h hh,
// n nn, s ss, z zzz, am/pm, ampm, c, t tt, "/" date separator, ":" time
// separator, quoted literals. Letters are case-insensitive ("MMYY").
AnsiString FormatDateTime(const AnsiString& mask, TDateTime value);
AnsiString DateToStr(TDateTime value);      // short date format
AnsiString TimeToStr(TDateTime value);      // long time format
AnsiString DateTimeToStr(TDateTime value);  // date, and the time when not midnight

// Parse with the short date format's order (and the long time format for the
// time part). Raise EConvertError naming the text when it is not a date.
TDateTime StrToDate(const AnsiString& text);
TDateTime StrToDateTime(const AnsiString& text);
TDateTime StrToTime(const AnsiString& text);
bool TryStrToDate(const AnsiString& text, TDateTime& result);
bool TryStrToDateTime(const AnsiString& text, TDateTime& result);

}  // namespace mdx

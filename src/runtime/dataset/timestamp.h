// The platform's time stamp: days counted from 1 January of year 1 (that day
// is 1) and milliseconds since midnight. Data packets store dates, times and
// date-times this way; TDateTime counts days from 30 December 1899, where a
// negative value's fraction is still the time of day (-1.25 is 29 December
// 1899, 06:00).
#pragma once

#include <cstdint>

#include "mdx00200/datetime.h"

namespace mdx::dataset {

struct TimeStamp {
  int32_t date = 0;  // 1 = 0001-01-01
  int32_t time = 0;  // 0 .. 86,399,999
};

constexpr int32_t kDateDelta = 693594;  // TimeStamp date of TDateTime 0
constexpr int64_t kMsPerDay = 86400000;
constexpr int32_t kMaxDate = 3652059;  // 9999-12-31

// False when the value is not finite or falls outside 0001-01-01 ..
// 9999-12-31. The time of day rounds to the nearest millisecond.
bool DateTimeToTimeStamp(TDateTime value, TimeStamp& result);
TDateTime TimeStampToDateTime(TimeStamp stamp);

// Milliseconds since the time stamp's origin, as a packet's date-time holds
// them, and back (false when the value is not a time stamp in range).
double TimeStampToMilliseconds(TimeStamp stamp);
bool MillisecondsToTimeStamp(double ms, TimeStamp& result);

bool IsValidTimeStamp(TimeStamp stamp);

}  // namespace mdx::dataset

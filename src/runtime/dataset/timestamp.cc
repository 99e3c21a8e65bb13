#include "runtime/dataset/timestamp.h"

#include <cmath>

namespace mdx::dataset {

bool IsValidTimeStamp(TimeStamp stamp) {
  return stamp.date >= 1 && stamp.date <= kMaxDate && stamp.time >= 0 && stamp.time < kMsPerDay;
}

bool DateTimeToTimeStamp(TDateTime value, TimeStamp& result) {
  if (!std::isfinite(value)) return false;
  // Checked before any conversion to an integer, so the casts below stay defined.
  if (value < -static_cast<double>(kDateDelta) || value >= static_cast<double>(kMaxDate - kDateDelta + 1))
    return false;
  const double days = std::trunc(value);
  double ms = std::nearbyint(std::fabs(value - days) * static_cast<double>(kMsPerDay));
  int64_t date = static_cast<int64_t>(days) + kDateDelta;
  if (ms >= static_cast<double>(kMsPerDay)) {  // 23:59:59.9996 rounds into the next day
    ms -= static_cast<double>(kMsPerDay);
    date += 1;
  }
  result.date = static_cast<int32_t>(date);
  result.time = static_cast<int32_t>(ms);
  return IsValidTimeStamp(result);
}

TDateTime TimeStampToDateTime(TimeStamp stamp) {
  const double days = static_cast<double>(stamp.date - kDateDelta);
  const double fraction = static_cast<double>(stamp.time) / static_cast<double>(kMsPerDay);
  return days < 0 ? days - fraction : days + fraction;
}

double TimeStampToMilliseconds(TimeStamp stamp) {
  return static_cast<double>(stamp.date) * static_cast<double>(kMsPerDay) + stamp.time;
}

bool MillisecondsToTimeStamp(double ms, TimeStamp& result) {
  if (!std::isfinite(ms)) return false;
  const double day = static_cast<double>(kMsPerDay);
  if (ms < day || ms >= (static_cast<double>(kMaxDate) + 1) * day) return false;
  const double whole = std::floor(ms);
  const double date = std::floor(whole / day);
  result.date = static_cast<int32_t>(date);
  result.time = static_cast<int32_t>(whole - date * day);
  return IsValidTimeStamp(result);
}

}  // namespace mdx::dataset

#include "emulator/printer_clock.h"

#include <cstdio>

namespace mdx::emulator {

namespace {

struct Parts {
  int year, month, day, hour, minute, second;
};

Parts Split(TDateTime value) {
  Parts p{};
  int ms = 0;
  TDateTime exact = MillisecondsToDateTime(DateTimeToMilliseconds(value));
  DecodeDate(exact, p.year, p.month, p.day);
  DecodeTime(exact, p.hour, p.minute, p.second, ms);
  return p;
}

}  // namespace

PrinterClock::PrinterClock(ClockFunction system) : system_(system ? system : &SystemNow) {}

TDateTime PrinterClock::Now(int64_t offsetMs) const {
  return MillisecondsToDateTime(DateTimeToMilliseconds(system_()) + offsetMs);
}

int64_t PrinterClock::OffsetFor(TDateTime printerNow) const {
  return DateTimeToMilliseconds(printerNow) - DateTimeToMilliseconds(system_());
}

TDateTime DateOf(TDateTime value) {
  constexpr int64_t kDayMs = 86400000;
  return static_cast<TDateTime>(DateTimeToMilliseconds(value) / kDayMs);
}

AnsiString StatusDigits(TDateTime value) {
  const Parts p = Split(value);
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d", p.day, p.month, p.year % 100, p.hour,
                p.minute);
  return text;
}

AnsiString TapeDateTime(TDateTime value) {
  const Parts p = Split(value);
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", p.day, p.month, p.year,
                p.hour, p.minute, p.second);
  return text;
}

}  // namespace mdx::emulator

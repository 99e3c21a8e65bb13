#include "fiscalfiles/fixed_fields.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace mdx::fiscalfiles {

namespace {

struct Moment {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

Moment Split(TDateTime value) {
  Moment m;
  // Whole milliseconds first, so 23:59:59.9996 does not print as the next day.
  const TDateTime exact = MillisecondsToDateTime(DateTimeToMilliseconds(value));
  const double day = std::floor(exact);
  DecodeDate(day, m.year, m.month, m.day);
  int ms = 0;
  DecodeTime(exact - day, m.hour, m.minute, m.second, ms);
  return m;
}

}  // namespace

AnsiString Digits(int64_t value, int width) {
  if (value < 0) throw std::length_error("negative value in a numeric field");
  AnsiString text = std::to_string(value);
  if (static_cast<int>(text.size()) > width)
    throw std::length_error("value " + text + " does not fit " + std::to_string(width) + " digits");
  return AnsiString(static_cast<size_t>(width) - text.size(), '0') + text;
}

AnsiString Text(const AnsiString& text, int width) {
  AnsiString field = text.substr(0, static_cast<size_t>(width));
  for (char& c : field) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = ' ';
  }
  field.resize(static_cast<size_t>(width), ' ');
  return field;
}

int DayNumber(TDateTime value) {
  return static_cast<int>(std::floor(MillisecondsToDateTime(DateTimeToMilliseconds(value))));
}

AnsiString DateDigits(TDateTime value) {
  const Moment m = Split(value);
  char text[48];
  std::snprintf(text, sizeof text, "%04d%02d%02d", m.year, m.month, m.day);
  return text;
}

AnsiString TimeDigits(TDateTime value) {
  const Moment m = Split(value);
  char text[48];
  std::snprintf(text, sizeof text, "%02d%02d%02d", m.hour, m.minute, m.second);
  return text;
}

AnsiString DateText(TDateTime value) {
  const Moment m = Split(value);
  char text[48];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", m.day, m.month, m.year);
  return text;
}

AnsiString DateTimeText(TDateTime value) {
  const Moment m = Split(value);
  char text[80];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", m.day, m.month, m.year, m.hour,
                m.minute, m.second);
  return text;
}

AnsiString JoinLines(const std::vector<AnsiString>& lines) {
  AnsiString text;
  for (const AnsiString& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace mdx::fiscalfiles

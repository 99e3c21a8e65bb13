#include "fiscalfiles/fixed_fields.h"

#include <cmath>
#include <stdexcept>

namespace mdx::fiscalfiles {

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

// The separators are quoted: the files never follow the regional settings.
AnsiString DateDigits(TDateTime value) { return FormatDateTime("yyyymmdd", value); }

AnsiString TimeDigits(TDateTime value) { return FormatDateTime("hhnnss", value); }

AnsiString DateText(TDateTime value) { return FormatDateTime("dd'/'mm'/'yyyy", value); }

AnsiString DateTimeText(TDateTime value) {
  return FormatDateTime("dd'/'mm'/'yyyy hh':'nn':'ss", value);
}

AnsiString JoinLines(const std::vector<AnsiString>& lines) {
  AnsiString text;
  for (const AnsiString& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace mdx::fiscalfiles

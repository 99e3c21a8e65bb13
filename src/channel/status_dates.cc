#include "channel/status_dates.h"

namespace Mdx00200::channel {

namespace {

// The value of `count` digits from 0-based `start`; -1 when one is no digit.
int Digits(const mdx::AnsiString& text, size_t start, size_t count) {
  int value = 0;
  for (size_t i = start; i < start + count; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

int CurrentCentury() {
  int year, month, day;
  mdx::DecodeDate(mdx::Date(), year, month, day);
  return year / 100 * 100;
}

}  // namespace

bool TryPrinterDate(const mdx::AnsiString& ddmmyy, mdx::TDateTime& date) {
  if (ddmmyy.size() != 6) return false;
  const int day = Digits(ddmmyy, 0, 2), month = Digits(ddmmyy, 2, 2), year = Digits(ddmmyy, 4, 2);
  if (day < 0 || month < 0 || year < 0) return false;
  return mdx::TryEncodeDate(CurrentCentury() + year, month, day, date);
}

bool TryPrinterDateTime(const mdx::AnsiString& ddmmyyhhnn, mdx::TDateTime& value) {
  if (ddmmyyhhnn.size() != 10) return false;
  mdx::TDateTime date, time;
  const int hour = Digits(ddmmyyhhnn, 6, 2), minute = Digits(ddmmyyhhnn, 8, 2);
  if (!TryPrinterDate(ddmmyyhhnn.substr(0, 6), date) || hour < 0 || minute < 0) return false;
  if (!mdx::TryEncodeTime(hour, minute, 0, 0, time)) return false;
  value = date + time;
  return true;
}

mdx::TDateTime PrinterDateOrToday(const mdx::AnsiString& ddmmyy) {
  mdx::TDateTime date;
  return TryPrinterDate(ddmmyy, date) ? date : mdx::Date();
}

}  // namespace Mdx00200::channel

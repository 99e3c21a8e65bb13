#include "fiscalfiles/range.h"

#include <cmath>

#include "fiscalfiles/fixed_fields.h"
#include "mdx00200/datetime.h"

namespace mdx::fiscalfiles {

namespace {

// How one text of the pair can be read.
struct Reading {
  bool asCounter = false;
  int counter = 0;
  bool asDay = false;
  int day = 0;
  bool badDate = false;  // in a day's form but not a day
};

bool AllDigits(const AnsiString& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

int Number(const AnsiString& digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// The whole day of day/month/year, or false when there is no such day.
bool Day(int day, int month, int year, int& result) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) return false;
  result = static_cast<int>(std::floor(date));
  return true;
}

Reading Read(const char* raw, const RangeRules& rules) {
  Reading reading;
  const AnsiString text = Trim(raw ? AnsiString(raw) : AnsiString());
  if (text.find('/') != AnsiString::npos) {
    const bool shape = text.size() == 10 && text[2] == '/' && text[5] == '/' &&
                       AllDigits(text.substr(0, 2)) && AllDigits(text.substr(3, 2)) &&
                       AllDigits(text.substr(6, 4));
    reading.asDay = shape && Day(Number(text.substr(0, 2)), Number(text.substr(3, 2)),
                                 Number(text.substr(6, 4)), reading.day);
    reading.badDate = !reading.asDay;
    return reading;
  }
  if (!AllDigits(text)) return reading;
  const int dd = text.size() >= 4 ? Number(text.substr(0, 2)) : 0;
  const int mm = text.size() >= 4 ? Number(text.substr(2, 2)) : 0;
  if (text.size() == 8) {
    reading.asDay = Day(dd, mm, Number(text.substr(4, 4)), reading.day);
    reading.badDate = !reading.asDay;
    return reading;
  }
  if (static_cast<int>(text.size()) <= rules.maxDigits) {
    reading.asCounter = true;
    reading.counter = Number(text);
  }
  if (text.size() == 6 && rules.shortDates) {
    reading.asDay = Day(dd, mm, 2000 + Number(text.substr(4, 2)), reading.day);
    // Six digits that only a date could be must be one.
    reading.badDate = !reading.asDay && !reading.asCounter;
  }
  return reading;
}

}  // namespace

RangeResult ParseRange(const char* first, const char* last, const RangeRules& rules) {
  RangeResult result;
  if (!first || !last) {
    result.code = kBadRange;
    return result;
  }
  const Reading a = Read(first, rules);
  const Reading b = Read(last, rules);
  if (a.badDate || b.badDate) {
    result.code = kBadDate;
    return result;
  }
  if (a.asDay && b.asDay) {
    result.range = {RangeKind::kDay, a.day, b.day};
  } else if (a.asCounter && b.asCounter && a.counter > 0 && b.counter > 0) {
    result.range = {RangeKind::kCounter, a.counter, b.counter};
  } else {
    result.code = kBadRange;  // empty, not numbers, mixed kinds, or a counter of 0
    return result;
  }
  if (result.range.first > result.range.last) result.code = kBadRange;
  return result;
}

AnsiString RangeText(const Range& range, const AnsiString& counterName, int digits) {
  if (range.kind == RangeKind::kDay)
    return "DATA " + DateText(range.first) + " A " + DateText(range.last);
  return counterName + " " + Digits(range.first, digits) + " A " + Digits(range.last, digits);
}

}  // namespace mdx::fiscalfiles

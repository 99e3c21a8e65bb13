#include "emulator/day_codec.h"

namespace mdx::emulator {

namespace {

// 31 December 9999 as yyyymmdd, and 1 January 10000 in milliseconds.
constexpr int64_t kLastDateNumber = 99991231;
constexpr int64_t kEndOfLastDateMs = int64_t{2958466} * 86400000;

void Put(std::string& text, const char* name, int64_t value) {
  text += name;
  text += ' ';
  text += std::to_string(value);
  text += '\n';
}

int64_t DateNumber(TDateTime date) {
  if (date == 0) return 0;
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return int64_t{year} * 10000 + month * 100 + day;
}

bool ReadDate(StateReader& reader, const char* name, TDateTime& date) {
  int64_t number = 0;
  if (!reader.Number(name, 0, kLastDateNumber, number)) return false;
  date = 0;
  if (number == 0) return true;
  if (!TryEncodeDate(static_cast<int>(number / 10000), static_cast<int>(number / 100 % 100),
                     static_cast<int>(number % 100), date)) {
    return reader.Fail(std::string("bad value of '") + name + "'");
  }
  return true;
}

}  // namespace

void EncodeDayMarks(const PrinterState& state, std::string& text) {
  Put(text, "closed_day", DateNumber(state.closedDay));
  Put(text, "last_document_ms", DateTimeToMilliseconds(state.lastDocumentTime));
}

bool DecodeDayMarks(StateReader& reader, PrinterState& state) {
  if (reader.Has("closed_day") && !ReadDate(reader, "closed_day", state.closedDay)) return false;
  if (!reader.Has("last_document_ms")) return true;
  int64_t ms = 0;
  if (!reader.Number("last_document_ms", 0, kEndOfLastDateMs - 1, ms)) return false;
  state.lastDocumentTime = MillisecondsToDateTime(ms);
  return true;
}

}  // namespace mdx::emulator

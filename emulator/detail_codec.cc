#include "emulator/detail_codec.h"

#include <cstdio>
#include <vector>

#include "emulator/sale_codec.h"

namespace mdx::emulator {

namespace {

constexpr int kLargestRecordCount = 10000000;
constexpr int kLongestLineCount = 10000000;
constexpr int64_t kDayMs = 86400000;
constexpr char kCouponPrefix[] = "detail_coupon_";
constexpr char kReceiptPrefix[] = "detail_receipt_";

struct KindName {
  DetailKind kind;
  const char* name;
};

constexpr KindName kKindNames[] = {
    {DetailKind::kFiscalCoupon, "coupon"},
    {DetailKind::kCouponCancellation, "coupon_cancellation"},
    {DetailKind::kNonFiscalReceipt, "receipt"},
    {DetailKind::kLinkedReceipt, "linked_receipt"},
    {DetailKind::kReceiptReversal, "receipt_reversal"},
    {DetailKind::kManagementReport, "report"},
    {DetailKind::kXReading, "x_reading"},
    {DetailKind::kZReduction, "z_reduction"},
    {DetailKind::kMemoryReading, "memory_reading"},
};

const char* NameOf(DetailKind kind) {
  for (const KindName& k : kKindNames) {
    if (k.kind == kind) return k.name;
  }
  return "?";
}

// "yyyymmdd hhnnsszzz".
std::string TimeText(TDateTime issued) {
  const int64_t ms = DateTimeToMilliseconds(issued);
  const int64_t day = ms >= 0 ? ms / kDayMs : 0;
  const int64_t ofDay = ms >= 0 ? ms % kDayMs : 0;
  int year = 0, month = 0, dayOfMonth = 0;
  DecodeDate(static_cast<TDateTime>(day), year, month, dayOfMonth);
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d %02d%02d%02d%03d", year, month, dayOfMonth,
                static_cast<int>(ofDay / 3600000), static_cast<int>(ofDay / 60000 % 60),
                static_cast<int>(ofDay / 1000 % 60), static_cast<int>(ofDay % 1000));
  return text;
}

bool ReadTime(std::string_view dateText, std::string_view timeText, TDateTime& issued) {
  int64_t date = 0, time = 0;
  TDateTime day = 0;
  if (dateText.size() != 8 || timeText.size() != 9 || !ParseNumber(dateText, 0, 99991231, date) ||
      !ParseNumber(timeText, 0, 999999999, time) ||
      !TryEncodeDate(static_cast<int>(date / 10000), static_cast<int>(date / 100 % 100),
                     static_cast<int>(date % 100), day)) {
    return false;
  }
  const int64_t hour = time / 10000000, minute = time / 100000 % 100, second = time / 1000 % 100;
  if (hour > 23 || minute > 59 || second > 59) return false;
  const int64_t ofDay = ((hour * 60 + minute) * 60 + second) * 1000 + time % 1000;
  issued = MillisecondsToDateTime(DateTimeToMilliseconds(day) + ofDay);
  return true;
}

// The fields of a "detail_document" line after its position.
bool ReadHead(std::string_view text, DetailDocument& d) {
  std::vector<std::string_view> f;
  while (true) {
    const size_t blank = text.find(' ');
    f.push_back(text.substr(0, blank));
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
  if (f.size() != 7) return false;
  int64_t coo = 0, counter = 0, cancelled = 0, cancelledCoo = 0;
  bool known = false;
  for (const KindName& k : kKindNames) {
    if (f[1] == k.name) {
      d.kind = k.kind;
      known = true;
    }
  }
  if (!known || !ParseNumber(f[0], 0, 999999, coo) || !ReadTime(f[2], f[3], d.issued) ||
      !ParseNumber(f[4], 0, 999999, counter) || !ParseNumber(f[5], 0, 1, cancelled) ||
      !ParseNumber(f[6], 0, 999999, cancelledCoo)) {
    return false;
  }
  d.coo = static_cast<int>(coo);
  d.counter = static_cast<int>(counter);
  d.cancelled = cancelled == 1;
  d.cancelledCoo = static_cast<int>(cancelledCoo);
  return true;
}

bool ReadLines(StateReader& reader, std::vector<AnsiString>& lines) {
  int count = 0;
  if (!reader.Int("detail_lines", 0, kLongestLineCount, count)) return false;
  for (int i = 0; i < count; ++i) {
    std::string_view line;
    AnsiString printed;
    if (!reader.Next(line)) return reader.Fail("the detail lines are cut short");
    if (line.empty() || line[0] != '|' || !UnescapeText(line.substr(1), printed)) {
      return reader.Fail("bad detail line");
    }
    lines.push_back(std::move(printed));
  }
  return true;
}

}  // namespace

void EncodeDetailRecord(const DetailDocument& d, size_t position, std::string& text) {
  text += "detail_document " + std::to_string(position) + " " + std::to_string(d.coo) + " " +
          NameOf(d.kind) + " " + TimeText(d.issued) + " " + std::to_string(d.counter) + " " +
          (d.cancelled ? "1" : "0") + " " + std::to_string(d.cancelledCoo) + "\n";
  if (!(d.coupon == Coupon{})) EncodeCoupon(kCouponPrefix, d.coupon, text);
  if (!(d.receipt == Receipt{})) EncodeReceipt(kReceiptPrefix, d.receipt, text);
  text += "detail_lines " + std::to_string(d.lines.size()) + "\n";
  for (const AnsiString& line : d.lines) text += "|" + EscapeText(line) + "\n";
}

bool DecodeDetailHead(StateReader& reader, int& last, DetailDocument& d) {
  std::string_view rest;
  if (!reader.Entry("detail_document", kLargestRecordCount, last, rest)) return false;
  if (!ReadHead(rest, d)) return reader.Fail("bad value of 'detail_document'");
  return true;
}

bool DecodeDetailRecord(StateReader& reader, int& last, DetailDocument& d) {
  return DecodeDetailHead(reader, last, d) && DecodeCoupon(reader, kCouponPrefix, d.coupon) &&
         DecodeReceipt(reader, kReceiptPrefix, d.receipt) && ReadLines(reader, d.lines);
}

void EncodeDetail(const PrinterState& state, std::string& text) {
  text += "detail_tape_start " + std::to_string(state.detailTapeStart) + "\n";
  text += "detail_documents " + std::to_string(state.detail.size()) + "\n";
  size_t position = 0;
  for (const DetailDocument& d : state.detail) EncodeDetailRecord(d, ++position, text);
}

bool DecodeDetail(StateReader& reader, PrinterState& state) {
  if (reader.Has("detail_tape_start") &&
      !reader.Number("detail_tape_start", -1, int64_t{1} << 40, state.detailTapeStart)) {
    return false;
  }
  if (!reader.Has("detail_documents")) return true;
  int count = 0;
  if (!reader.Int("detail_documents", 0, kLargestRecordCount, count)) return false;
  int last = 0;
  for (int i = 0; i < count; ++i) {
    DetailDocument d;
    if (!DecodeDetailRecord(reader, last, d)) return false;
    if (last != i + 1) return reader.Fail("'detail_document' out of order");
    state.detail.push_back(std::move(d));
  }
  return true;
}

}  // namespace mdx::emulator

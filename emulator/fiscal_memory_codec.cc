#include "emulator/fiscal_memory_codec.h"

#include <array>
#include <cstdint>

#include "emulator/fiscal_totals.h"

namespace mdx::emulator {

namespace {

// As many reductions as the 4-digit CRZ counts, many times over.
constexpr int kLargestRecordCount = 1000000;
constexpr int kFieldCount = 8;

// The blank-separated numbers of `text`, exactly kFieldCount of them.
bool Fields(std::string_view text, std::array<int64_t, kFieldCount>& fields) {
  for (int k = 0; k < kFieldCount; ++k) {
    const size_t space = text.find(' ');
    const bool last = k == kFieldCount - 1;
    if (last != (space == std::string_view::npos)) return false;
    if (!ParseNumber(text.substr(0, space), 0, kLargestGrandTotal, fields[k])) return false;
    if (!last) text.remove_prefix(space + 1);
  }
  return true;
}

}  // namespace

void EncodeZRecord(const ZRecord& r, size_t position, std::string& text) {
  int year = 0, month = 0, day = 0;
  DecodeDate(r.date, year, month, day);
  text += "z_record " + std::to_string(position) + " " + std::to_string(r.crz) + " " +
          std::to_string(int64_t{year} * 10000 + month * 100 + day) + " " +
          std::to_string(r.lastCoo) + " " + std::to_string(r.grandTotal) + " " +
          std::to_string(r.grossSales) + " " + std::to_string(r.cancellations) + " " +
          std::to_string(r.discounts) + " " + std::to_string(r.surcharges) + "\n";
}

bool DecodeZRecord(StateReader& reader, int& last, ZRecord& r) {
  std::string_view rest;
  if (!reader.Entry("z_record", kLargestRecordCount, last, rest)) return false;
  std::array<int64_t, kFieldCount> f{};
  if (!Fields(rest, f) || f[0] > 9999 || f[2] > 999999 || f[3] > kLargestGrandTotal ||
      f[4] > kLargestAmount || f[5] > kLargestAmount || f[6] > kLargestAmount ||
      f[7] > kLargestAmount ||
      !TryEncodeDate(static_cast<int>(f[1] / 10000), static_cast<int>(f[1] / 100 % 100),
                     static_cast<int>(f[1] % 100), r.date)) {
    return reader.Fail("bad value of 'z_record'");
  }
  r.crz = static_cast<int>(f[0]);
  r.lastCoo = static_cast<int>(f[2]);
  r.grandTotal = f[3];
  r.grossSales = f[4];
  r.cancellations = f[5];
  r.discounts = f[6];
  r.surcharges = f[7];
  return true;
}

void EncodeFiscalMemory(const PrinterState& state, std::string& text) {
  text += "z_records " + std::to_string(state.fiscalMemory.size()) + "\n";
  size_t position = 0;
  for (const ZRecord& r : state.fiscalMemory) EncodeZRecord(r, ++position, text);
}

bool DecodeFiscalMemory(StateReader& reader, PrinterState& state) {
  if (!reader.Has("z_records")) return true;
  int count = 0;
  if (!reader.Int("z_records", 0, kLargestRecordCount, count)) return false;
  int last = 0;
  for (int i = 0; i < count; ++i) {
    ZRecord r;
    if (!DecodeZRecord(reader, last, r)) return false;
    state.fiscalMemory.push_back(r);
  }
  return true;
}

}  // namespace mdx::emulator

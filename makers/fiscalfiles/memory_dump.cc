#include "fiscalfiles/memory_dump.h"

#include <cmath>

#include "fiscalfiles/documents.h"
#include "fiscalfiles/fabrication_number.h"
#include "fiscalfiles/fixed_fields.h"

namespace mdx::fiscalfiles {

namespace {

const char kMagic[] = "MDXMF\x1a\x01";  // + the terminating 0: 8 bytes
constexpr size_t kMagicSize = 8;
constexpr size_t kRecordSize = 50;

uint32_t Crc32(const std::string& bytes, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t k = 0; k < size; ++k) {
    crc ^= static_cast<unsigned char>(bytes[k]);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Put(std::string& out, uint64_t value, int size) {
  for (int k = 0; k < size; ++k) out += static_cast<char>((value >> (8 * k)) & 0xFF);
}

// Reads little-endian values; any read past the end marks it failed.
class Reader {
 public:
  Reader(const std::string& bytes, size_t end) : bytes_(bytes), end_(end) {}
  uint64_t Get(int size) {
    if (at_ + static_cast<size_t>(size) > end_) {
      failed_ = true;
      return 0;
    }
    uint64_t value = 0;
    for (int k = 0; k < size; ++k)
      value |= static_cast<uint64_t>(static_cast<unsigned char>(bytes_[at_ + k])) << (8 * k);
    at_ += static_cast<size_t>(size);
    return value;
  }
  std::string Bytes(size_t size) {
    if (at_ + size > end_) {
      failed_ = true;
      return "";
    }
    std::string part = bytes_.substr(at_, size);
    at_ += size;
    return part;
  }
  bool Done() const { return !failed_ && at_ == end_; }
  bool Failed() const { return failed_; }
  size_t Left() const { return end_ - at_; }

 private:
  const std::string& bytes_;
  size_t end_;
  size_t at_ = 0;
  bool failed_ = false;
};

// yyyymmdd of a whole day and back.
uint32_t DateNumber(TDateTime day) { return static_cast<uint32_t>(std::stoul(DateDigits(day))); }
bool DayOf(uint32_t number, TDateTime& day) {
  return TryEncodeDate(static_cast<int>(number / 10000), static_cast<int>(number / 100 % 100),
                       static_cast<int>(number % 100), day);
}

uint32_t Bound(const Range& range, int value) {
  return range.kind == RangeKind::kDay ? DateNumber(value) : static_cast<uint32_t>(value);
}
bool BoundOf(RangeKind kind, uint32_t number, int& value) {
  if (kind == RangeKind::kCounter) {
    value = static_cast<int>(number);
    return number <= 999999;
  }
  TDateTime day = 0;
  if (!DayOf(number, day)) return false;
  value = static_cast<int>(std::floor(day));
  return true;
}

AnsiString BoundDigits(const MemoryDump& dump, int value) {
  return dump.range.kind == RangeKind::kDay ? DateDigits(value) : Digits(value, 8);
}

}  // namespace

MemoryDump DumpOf(const emulator::PrinterState& state, const Range& range) {
  MemoryDump dump;
  dump.serialNumber = state.serialNumber;
  dump.ecfNumber = state.ecfNumber;
  dump.range = range;
  for (const emulator::ZRecord* record : ReductionsInRange(state, range))
    dump.reductions.push_back(*record);
  return dump;
}

std::string EncodeMemoryDump(const MemoryDump& dump) {
  std::string out(kMagic, kMagicSize);
  const std::string serial = dump.serialNumber.substr(0, 255);
  Put(out, serial.size(), 1);
  out += serial;
  Put(out, static_cast<uint64_t>(dump.ecfNumber), 2);
  out += dump.range.kind == RangeKind::kDay ? 'D' : 'R';
  Put(out, Bound(dump.range, dump.range.first), 4);
  Put(out, Bound(dump.range, dump.range.last), 4);
  Put(out, dump.reductions.size(), 4);
  for (const emulator::ZRecord& record : dump.reductions) {
    Put(out, static_cast<uint64_t>(record.crz), 2);
    Put(out, DateNumber(record.date), 4);
    Put(out, static_cast<uint64_t>(record.lastCoo), 4);
    for (int64_t amount : {record.grandTotal, record.grossSales, record.cancellations,
                           record.discounts, record.surcharges})
      Put(out, static_cast<uint64_t>(amount), 8);
  }
  Put(out, Crc32(out, out.size()), 4);
  return out;
}

std::optional<MemoryDump> DecodeMemoryDump(const std::string& bytes) {
  if (bytes.size() < kMagicSize + 4 ||
      bytes.compare(0, kMagicSize, std::string(kMagic, kMagicSize)) != 0)
    return std::nullopt;
  const size_t end = bytes.size() - 4;
  Reader crc(bytes, bytes.size());
  crc.Bytes(end);
  if (crc.Get(4) != Crc32(bytes, end)) return std::nullopt;

  Reader in(bytes, end);
  in.Bytes(kMagicSize);
  MemoryDump dump;
  dump.serialNumber = in.Bytes(static_cast<size_t>(in.Get(1)));
  dump.ecfNumber = static_cast<int>(in.Get(2));
  const uint64_t kind = in.Get(1);
  if (kind != 'D' && kind != 'R') return std::nullopt;
  dump.range.kind = kind == 'D' ? RangeKind::kDay : RangeKind::kCounter;
  if (!BoundOf(dump.range.kind, static_cast<uint32_t>(in.Get(4)), dump.range.first) ||
      !BoundOf(dump.range.kind, static_cast<uint32_t>(in.Get(4)), dump.range.last))
    return std::nullopt;
  const uint64_t count = in.Get(4);
  if (in.Failed() || count != in.Left() / kRecordSize || in.Left() % kRecordSize != 0)
    return std::nullopt;
  for (uint64_t k = 0; k < count; ++k) {
    emulator::ZRecord record;
    record.crz = static_cast<int>(in.Get(2));
    if (!DayOf(static_cast<uint32_t>(in.Get(4)), record.date)) return std::nullopt;
    record.lastCoo = static_cast<int>(in.Get(4));
    for (int64_t* amount : {&record.grandTotal, &record.grossSales, &record.cancellations,
                            &record.discounts, &record.surcharges})
      *amount = static_cast<int64_t>(in.Get(8));
    dump.reductions.push_back(record);
  }
  if (!in.Done()) return std::nullopt;
  return dump;
}

AnsiString ConvertedMemoryText(const MemoryDump& dump) {
  const AnsiString fabrication = FabricationNumber(dump.serialNumber);
  std::vector<AnsiString> lines;
  lines.push_back("E01" + fabrication + Text(dump.serialNumber, 9) + Digits(dump.ecfNumber, 3) +
                  (dump.range.kind == RangeKind::kDay ? "D" : "R") +
                  BoundDigits(dump, dump.range.first) + BoundDigits(dump, dump.range.last) +
                  Digits(static_cast<int64_t>(dump.reductions.size()), 6));
  for (const emulator::ZRecord& record : dump.reductions) {
    lines.push_back("E12" + fabrication + Digits(record.crz, 4) + DateDigits(record.date) +
                    Digits(record.lastCoo, 6) + Digits(record.grandTotal, 17) +
                    Digits(record.grossSales, 14) + Digits(record.cancellations, 14) +
                    Digits(record.discounts, 14) + Digits(record.surcharges, 14) +
                    Digits(NetSales(record), 14));
  }
  return JoinLines(lines);
}

}  // namespace mdx::fiscalfiles

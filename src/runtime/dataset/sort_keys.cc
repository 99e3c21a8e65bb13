#include "runtime/dataset/sort_keys.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mdx::dataset {

namespace {

void AppendBigEndian(std::string& out, uint64_t bits) {
  for (int shift = 56; shift >= 0; shift -= 8) out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

// Single-byte text: each byte (upper-cased when asked), a 0 byte as 00 FF,
// and 00 00 at the end, so that a shorter text that is a prefix sorts first.
void AppendText(std::string& out, const std::string& text, bool caseInsensitive) {
  for (char c : text) {
    const unsigned char b = caseInsensitive ? UpperCase1252(static_cast<unsigned char>(c))
                                            : static_cast<unsigned char>(c);
    out.push_back(static_cast<char>(b));
    if (b == 0) out.push_back(static_cast<char>(0xFF));
  }
  out.push_back(0);
  out.push_back(0);
}

// UTF-16 text: 02 and the unit, high byte first, per unit; an odd byte left
// over as 01 (its value does not count); 00 at the end.
void AppendWide(std::string& out, const std::string& text, bool caseInsensitive) {
  const size_t units = text.size() / 2;
  for (size_t i = 0; i < units; ++i) {
    const unsigned u = WideCompareUnit(text, i * 2, caseInsensitive);
    out.push_back(2);
    out.push_back(static_cast<char>((u >> 8) & 0xFF));
    out.push_back(static_cast<char>(u & 0xFF));
  }
  if (text.size() % 2) out.push_back(1);
  out.push_back(0);
}

// Numbers: the IEEE bits turned so that unsigned order is numeric order;
// -0 as 0, every NaN as the largest pattern (after every number).
uint64_t NumberBits(double value) {
  if (std::isnan(value)) return UINT64_MAX;
  if (value == 0) value = 0;
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return (bits & (uint64_t{1} << 63)) ? ~bits : bits | (uint64_t{1} << 63);
}

struct Entry {
  uint64_t head;    // the key's first 8 bytes, high byte first, 0-padded
  uint32_t offset;  // the whole key in the shared buffer
  uint32_t size;
  uint32_t order;   // position before the sort
};

}  // namespace

void AppendSortKey(std::string& out, const Row& row, const OrderKey& key) {
  for (const KeyPart& part : key) {
    const Cell& cell = row[static_cast<size_t>(part.field)];
    if (cell.null) {
      out.push_back(0);  // null before every value
      continue;
    }
    out.push_back(1);
    switch (part.storage) {
      case Storage::Text:
      case Storage::Bytes:
        AppendText(out, cell.bytes, part.caseInsensitive && part.storage == Storage::Text);
        break;
      case Storage::WideText:
        AppendWide(out, cell.bytes, part.caseInsensitive);
        break;
      case Storage::Integer:
      case Storage::Boolean:
        AppendBigEndian(out, static_cast<uint64_t>(cell.integer) ^ (uint64_t{1} << 63));
        break;
      case Storage::Float:
      case Storage::Date:
      case Storage::Time:
      case Storage::DateTime:
        AppendBigEndian(out, NumberBits(cell.number));
        break;
    }
  }
}

void SortByKey(std::vector<uint32_t>& items, const std::function<const Row&(uint32_t)>& rowOf,
               const OrderKey& key) {
  if (items.size() < 2 || key.empty()) return;
  std::string buffer;
  std::vector<Entry> entries(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const size_t start = buffer.size();
    AppendSortKey(buffer, rowOf(items[i]), key);
    entries[i].offset = static_cast<uint32_t>(start);
    entries[i].size = static_cast<uint32_t>(buffer.size() - start);
    entries[i].order = static_cast<uint32_t>(i);
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.data());
  for (Entry& e : entries) {
    uint64_t head = 0;
    for (uint32_t b = 0; b < 8; ++b) head = (head << 8) | (b < e.size ? bytes[e.offset + b] : 0);
    e.head = head;
  }
  std::sort(entries.begin(), entries.end(), [bytes](const Entry& a, const Entry& b) {
    if (a.head != b.head) return a.head < b.head;
    const uint32_t common = std::min(a.size, b.size);
    if (common > 8) {
      const int c = std::memcmp(bytes + a.offset + 8, bytes + b.offset + 8, common - 8);
      if (c) return c < 0;
    }
    if (a.size != b.size) return a.size < b.size;
    return a.order < b.order;
  });
  std::vector<uint32_t> sorted(items.size());
  for (size_t i = 0; i < entries.size(); ++i) sorted[i] = items[entries[i].order];
  items.swap(sorted);
}

}  // namespace mdx::dataset

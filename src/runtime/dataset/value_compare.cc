#include "runtime/dataset/value_compare.h"

#include <array>
#include <cmath>
#include <cstring>

#include "mdx00200/ansi_string.h"

namespace mdx::dataset {

namespace {

// Upper-case form of every 1252 byte, from the runtime's AnsiUpperCase.
const std::array<unsigned char, 256>& UpperTable() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const AnsiString upper = AnsiUpperCase(AnsiString(1, static_cast<char>(i)));
      t[i] = upper.size() == 1 ? static_cast<unsigned char>(upper[0]) : static_cast<unsigned char>(i);
    }
    return t;
  }();
  return table;
}

int CompareBytes(const std::string& a, const std::string& b, bool caseInsensitive) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  if (!caseInsensitive) {
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c) return c;
  } else {
    const auto& up = UpperTable();
    for (size_t i = 0; i < n; ++i) {
      const int x = up[static_cast<unsigned char>(a[i])];
      const int y = up[static_cast<unsigned char>(b[i])];
      if (x != y) return x - y;
    }
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int CompareWide(const std::string& a, const std::string& b, bool caseInsensitive) {
  const size_t n = (a.size() < b.size() ? a.size() : b.size()) & ~size_t{1};
  for (size_t i = 0; i < n; i += 2) {
    const unsigned x = WideCompareUnit(a, i, caseInsensitive);
    const unsigned y = WideCompareUnit(b, i, caseInsensitive);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

unsigned char UpperCase1252(unsigned char c) { return UpperTable()[c]; }

unsigned WideCompareUnit(const std::string& s, size_t i, bool caseInsensitive) {
  unsigned u = static_cast<unsigned char>(s[i]) | (static_cast<unsigned char>(s[i + 1]) << 8);
  if (caseInsensitive) {
    const int code = UnicodeToCp1252(u);
    if (code >= 0) u = Cp1252ToUnicode(UpperTable()[code]);
  }
  return u;
}

int CompareNumbers(double a, double b) {
  const bool nanA = std::isnan(a);
  const bool nanB = std::isnan(b);
  if (nanA || nanB) return nanA == nanB ? 0 : nanA ? 1 : -1;
  return a < b ? -1 : a > b ? 1 : 0;
}

int CompareCells(const Cell& a, const Cell& b, Storage storage, bool caseInsensitive) {
  if (a.null || b.null) return a.null == b.null ? 0 : a.null ? -1 : 1;
  switch (storage) {
    case Storage::Text:
    case Storage::Bytes:
      return CompareBytes(a.bytes, b.bytes, caseInsensitive && storage == Storage::Text);
    case Storage::WideText:
      return CompareWide(a.bytes, b.bytes, caseInsensitive);
    case Storage::Integer:
    case Storage::Boolean:
      return a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
    case Storage::Float:
    case Storage::Date:
    case Storage::Time:
    case Storage::DateTime:
      return CompareNumbers(a.number, b.number);
  }
  return 0;
}

bool TextStartsWith(const std::string& text, const std::string& prefix, bool caseInsensitive) {
  if (prefix.size() > text.size()) return false;
  if (!caseInsensitive) return text.compare(0, prefix.size(), prefix) == 0;
  const auto& up = UpperTable();
  for (size_t i = 0; i < prefix.size(); ++i)
    if (up[static_cast<unsigned char>(text[i])] != up[static_cast<unsigned char>(prefix[i])]) return false;
  return true;
}

int CompareRows(const Row& a, const Row& b, const OrderKey& key) {
  for (const KeyPart& part : key) {
    const int c = CompareCells(a[part.field], b[part.field], part.storage, part.caseInsensitive);
    if (c) return c;
  }
  return 0;
}

int CompareRowToKey(const Row& row, const Row& keyValues, const OrderKey& key) {
  for (size_t i = 0; i < key.size(); ++i) {
    const int c = CompareCells(row[key[i].field], keyValues[i], key[i].storage, key[i].caseInsensitive);
    if (c) return c;
  }
  return 0;
}

}  // namespace mdx::dataset

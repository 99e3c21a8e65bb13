#include "emulator/state_lines.h"

#include <charconv>
#include <cstdio>

namespace mdx::emulator {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The CRC of each byte value, so that a journal of many megabytes is checked
// a byte at a time rather than a bit at a time.
struct CrcTable {
  uint32_t entries[256];
  CrcTable() {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t crc = n;
      for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
      entries[n] = crc;
    }
  }
};

}  // namespace

uint32_t Crc32(std::string_view bytes) {
  static const CrcTable table;
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = (crc >> 8) ^ table.entries[(crc ^ byte) & 0xFFu];
  return ~crc;
}

AnsiString Hex8(uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
  return text;
}

AnsiString EscapeText(std::string_view text) {
  AnsiString out;
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7F || c == '\\') {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
      out += code;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool UnescapeText(std::string_view text, AnsiString& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (text.size() - i < 4 || text[i + 1] != 'x') return false;
    const int high = HexDigit(text[i + 2]);
    const int low = HexDigit(text[i + 3]);
    if (high < 0 || low < 0) return false;
    out += static_cast<char>(high * 16 + low);
    i += 3;
  }
  return true;
}

bool ParseNumber(std::string_view text, int64_t low, int64_t high, int64_t& number) {
  const char* end = text.data() + text.size();
  auto [stop, status] = std::from_chars(text.data(), end, number);
  return status == std::errc() && stop == end && !text.empty() && number >= low && number <= high;
}

bool StateReader::Next(std::string_view& line) {
  if (at_ >= text_.size()) return false;
  const size_t end = text_.find('\n', at_);
  if (end == std::string_view::npos) return false;  // every line ends with LF
  line = text_.substr(at_, end - at_);
  at_ = end + 1;
  ++number_;
  return true;
}

bool StateReader::Has(std::string_view name) const {
  const std::string_view rest = text_.substr(at_ < text_.size() ? at_ : text_.size());
  return rest.size() > name.size() && rest.substr(0, name.size()) == name &&
         rest[name.size()] == ' ';
}

bool StateReader::Value(const char* name, std::string_view& value) {
  std::string_view line;
  if (!Next(line)) return Fail(std::string("missing '") + name + "'");
  const std::string_view prefix = name;
  if (line.substr(0, prefix.size()) != prefix || line.size() <= prefix.size() ||
      line[prefix.size()] != ' ') {
    return Fail(std::string("expected '") + name + "'");
  }
  value = line.substr(prefix.size() + 1);
  return true;
}

bool StateReader::Number(const char* name, int64_t low, int64_t high, int64_t& number) {
  std::string_view text;
  if (!Value(name, text)) return false;
  if (!ParseNumber(text, low, high, number)) return Fail(std::string("bad value of '") + name + "'");
  return true;
}

bool StateReader::Int(const char* name, int low, int high, int& number) {
  int64_t wide = 0;
  if (!Number(name, low, high, wide)) return false;
  number = static_cast<int>(wide);
  return true;
}

bool StateReader::Flag(const char* name, bool& flag) {
  int64_t value = 0;
  if (!Number(name, 0, 1, value)) return false;
  flag = value == 1;
  return true;
}

bool StateReader::Entry(const char* name, int capacity, int& last, std::string_view& rest) {
  std::string_view text;
  if (!Value(name, text)) return false;
  const size_t space = text.find(' ');
  int64_t position = 0;
  if (space == std::string_view::npos || !ParseNumber(text.substr(0, space), last + 1, capacity, position)) {
    return Fail(std::string("bad position of '") + name + "'");
  }
  last = static_cast<int>(position);
  rest = text.substr(space + 1);
  return true;
}

bool StateReader::End() {
  std::string_view line;
  if (Next(line)) return Fail("unexpected text after the tape");
  return true;
}

bool StateReader::Fail(const std::string& reason) {
  error_ = "line " + std::to_string(number_) + ": " + reason;
  return false;
}

}  // namespace mdx::emulator

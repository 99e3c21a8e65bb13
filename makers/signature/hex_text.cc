#include "signature/hex_text.h"

namespace mdx::ead {

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool IsHexText(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (DigitValue(c) < 0) return false;
  }
  return true;
}

std::string HexToBytes(std::string_view text) {
  std::string bytes;
  size_t i = 0;
  if (text.size() % 2 != 0) {
    bytes.push_back(static_cast<char>(DigitValue(text[0])));
    i = 1;
  }
  for (; i < text.size(); i += 2) {  // an even count of digits remains
    bytes.push_back(static_cast<char>(DigitValue(text[i]) * 16 + DigitValue(text[i + 1])));
  }
  return bytes;
}

std::string BytesToHex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char byte : bytes) {
    const unsigned value = static_cast<unsigned char>(byte);
    text.push_back(kDigits[value >> 4]);
    text.push_back(kDigits[value & 0x0F]);
  }
  return text;
}

}  // namespace mdx::ead

#include "hostlib/default_cipher.h"

#include <cstdint>

#include "mdx00200/exceptions.h"

namespace mdx::hostlib {

namespace {

const char kDigits[] = "ABCDEFGHIJKLMNOP";  // one letter per half byte

// The key stream: one byte per text position, from the key alone.
class KeyStream {
 public:
  explicit KeyStream(int key) : state_(static_cast<uint32_t>(key)) {}
  uint8_t Next() {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<uint8_t>(state_ >> 16);
  }

 private:
  uint32_t state_;
};

int DigitValue(char c) {
  if (c < 'A' || c > 'P') return -1;
  return c - 'A';
}

}  // namespace

AnsiString DefaultCripto(const AnsiString& text, int key) {
  KeyStream stream(key);
  AnsiString out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    uint8_t value = static_cast<uint8_t>(static_cast<uint8_t>(c) + stream.Next());
    out += kDigits[value >> 4];
    out += kDigits[value & 0x0F];
  }
  return out;
}

AnsiString DefaultUncripto(const AnsiString& text, int key) {
  if (text.size() % 2 != 0)
    throw Exception("Texto cifrado inv\xE1lido: comprimento " + IntToStr(static_cast<long long>(text.size())) +
                    " \xE9 \xEDmpar");
  KeyStream stream(key);
  AnsiString out;
  out.reserve(text.size() / 2);
  for (size_t i = 0; i < text.size(); i += 2) {
    int high = DigitValue(text[i]);
    int low = DigitValue(text[i + 1]);
    if (high < 0 || low < 0)
      throw Exception("Texto cifrado inv\xE1lido: caractere fora do alfabeto na posi\xE7\xE3o " +
                      IntToStr(static_cast<long long>(high < 0 ? i + 1 : i + 2)));
    uint8_t value = static_cast<uint8_t>(high * 16 + low);
    out += static_cast<char>(static_cast<uint8_t>(value - stream.Next()));
  }
  return out;
}

}  // namespace mdx::hostlib

#include "signature/rsa_key.h"

#include "signature/hex_text.h"

namespace mdx::ead {

namespace {

// Reads a hexadecimal text of up to maxDigits digits (exactly, when exact).
bool ReadNumber(const char* text, size_t maxDigits, bool exact, std::string& bytes) {
  if (!text) return false;
  // Looks at one character past the longest valid text at most, so an
  // unterminated buffer is not read far.
  size_t length = 0;
  while (length <= maxDigits && text[length] != '\0') ++length;
  if (length > maxDigits || (exact && length != maxDigits)) return false;
  if (!IsHexText(std::string_view(text, length))) return false;
  bytes = HexToBytes(std::string_view(text, length));
  return true;
}

bool IsZero(const std::string& bytes) {
  for (char byte : bytes) {
    if (byte != 0) return false;
  }
  return true;
}

Result ReadKey(const char* modulusHex, const char* exponentHex, bool exactExponent, RsaKey& key) {
  RsaKey read;
  if (!ReadNumber(modulusHex, kKeyDigits, true, read.modulus) ||
      !ReadNumber(exponentHex, kKeyDigits, exactExponent, read.exponent) || IsZero(read.exponent)) {
    return kBadKeyText;
  }
  if ((static_cast<unsigned char>(read.modulus[0]) & 0x80) == 0) return kModulusNot1024Bits;
  key = std::move(read);
  return kOk;
}

}  // namespace

Result ReadSigningKey(const char* modulusHex, const char* privateExponentHex, RsaKey& key) {
  return ReadKey(modulusHex, privateExponentHex, true, key);
}

Result ReadVerifyingKey(const char* modulusHex, const char* publicExponentHex, RsaKey& key) {
  return ReadKey(modulusHex, publicExponentHex, false, key);
}

}  // namespace mdx::ead

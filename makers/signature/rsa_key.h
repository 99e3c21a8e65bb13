// The key texts handed to the library: hexadecimal numbers, checked and
// turned into the byte strings the backend works on.
#pragma once

#include <string>

#include "signature/ead_result.h"

namespace mdx::ead {

// Digits of the modulus and of the private exponent (1024 bits).
inline constexpr size_t kKeyDigits = 256;
// Bytes of the modulus, of a signature and of the padded digest.
inline constexpr size_t kKeyBytes = kKeyDigits / 2;

struct RsaKey {
  std::string modulus;   // kKeyBytes big-endian bytes, top bit set
  std::string exponent;  // big-endian bytes, not zero
};

// Reads a signing key: the modulus and the private exponent, 256 digits
// each. kBadKeyText for a null, short, long or non-hexadecimal text or a zero
// exponent; kModulusNot1024Bits when the modulus's top bit is clear.
Result ReadSigningKey(const char* modulusHex, const char* privateExponentHex, RsaKey& key);

// Reads a verifying key: the modulus (as above) and the public exponent, 1
// to 256 digits ("010001").
Result ReadVerifyingKey(const char* modulusHex, const char* publicExponentHex, RsaKey& key);

}  // namespace mdx::ead

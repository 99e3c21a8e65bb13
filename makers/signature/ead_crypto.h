// The cryptographic backend behind one seam: OpenSSL's libcrypto on Linux,
// libgcrypt on Windows (MinGW has no OpenSSL package). Numbers are unsigned
// big-endian byte strings. No function throws.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mdx::ead::crypto {

// The 16-byte MD5 digest of data; nullopt when the backend fails.
std::optional<std::string> Md5(std::string_view data);

// (base ^ exponent) mod modulus as exactly modulus.size() bytes (leading
// zeros kept); nullopt when the backend fails or the modulus is zero.
std::optional<std::string> PowMod(const std::string& base, const std::string& exponent,
                                  const std::string& modulus);

// A new 1024-bit RSA pair with public exponent 65537: the modulus and the
// private exponent, 128 bytes each (the exponent with leading zeros). False
// when the backend fails.
bool GenerateKeyPair(std::string& modulus, std::string& privateExponent);

}  // namespace mdx::ead::crypto

// Shared pieces of the signature tests: two fixed test key pairs and whole-
// file reads and writes.
#pragma once

#include <string>

namespace mdx::ead::test {

// Key pair A (its private exponent has leading zero digits) and key pair B,
// public exponent 65537 for both. Test keys only.
extern const char kModulusA[];
extern const char kPrivateA[];
extern const char kModulusB[];
extern const char kPrivateB[];
inline constexpr char kPublicExponent[] = "010001";

// Writes bytes to path (replacing it); raises std::runtime_error on failure.
void WriteBytes(const std::string& path, const std::string& bytes);
// The file's bytes; "<missing>" when it cannot be opened.
std::string ReadBytes(const std::string& path);

}  // namespace mdx::ead::test

// Key files of the EAD signature, the form the build and the verifier read:
//   # comment
//   modulus=<256 hexadecimal digits>
//   private-exponent=<256 hexadecimal digits>
//   public-exponent=010001
// Blank lines and lines starting with "#" are skipped; blanks around a line
// are ignored.
#pragma once

#include <string>

namespace mdx::ead {

struct KeyFile {
  std::string modulus;          // upper-case digits, "" when absent
  std::string privateExponent;  // upper-case digits, "" when absent
  std::string publicExponent;   // upper-case digits, "" when absent
};

// Parses the text of a key file. On a line that is not understood (unknown
// name, no "=", digits that are not hexadecimal, a name given twice) returns
// false with error = "line N: <why>". Does not check lengths: the key
// readers do that.
bool ParseKeyFile(const std::string& text, KeyFile& key, std::string& error);

// Reads and parses a key file; error also tells when the file cannot be read.
bool ReadKeyFile(const std::string& path, KeyFile& key, std::string& error);

}  // namespace mdx::ead

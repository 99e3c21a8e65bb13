// Result codes of the signature library, shared by its entry points, its core
// and the verifier. 0 is success; every failure has its own code.
#pragma once

namespace mdx::ead {

enum Result : int {
  kOk = 0,
  // The file name is null or empty, or the file is missing or cannot be read.
  kFileUnreadable = 1,
  // A key text is null, empty, not hexadecimal, or of the wrong length (the
  // modulus and the private exponent take exactly 256 digits, a public
  // exponent 1 to 256), or the exponent is zero.
  kBadKeyText = 2,
  // The modulus's 256 digits do not make a 1024-bit number (top bit clear).
  kModulusNot1024Bits = 3,
  // The file's last line is already an EAD record; it is left as it was.
  kAlreadySigned = 4,
  // The signed file could not be written; the original is left whole.
  kWriteFailed = 5,
  // The trailing flag of generateEAD is not 1.
  kBadFlag = 6,
  // The file's last line is not an EAD record.
  kNoRecord = 7,
  // The last line starts with "EAD" but is not "EAD", 256 upper-case
  // hexadecimal digits and CR LF.
  kMalformedRecord = 8,
  // The record's signature does not match the content before it under the key.
  kSignatureMismatch = 9,
  // An output buffer is null.
  kNullBuffer = 10,
  // The cryptographic backend failed (key generation, arithmetic), or memory
  // ran out.
  kCryptoFailure = 11,
};

// A short English description of a code, for messages ("no EAD record").
const char* ResultText(int code);

}  // namespace mdx::ead

#include "signature/ead_result.h"

namespace mdx::ead {

const char* ResultText(int code) {
  switch (code) {
    case kOk: return "signature valid";
    case kFileUnreadable: return "the file is missing or cannot be read";
    case kBadKeyText: return "a key is not a text of hexadecimal digits of the right length";
    case kModulusNot1024Bits: return "the modulus is not a 1024-bit number";
    case kAlreadySigned: return "the file already ends with an EAD record";
    case kWriteFailed: return "the signed file could not be written";
    case kBadFlag: return "unknown flag";
    case kNoRecord: return "no EAD record";
    case kMalformedRecord:
      return "malformed EAD record (expected \"EAD\", 256 upper-case hexadecimal digits, CR LF)";
    case kSignatureMismatch: return "signature does not match the content";
    case kNullBuffer: return "an output buffer is null";
    case kCryptoFailure: return "the cryptographic library failed";
  }
  return "unknown result";
}

}  // namespace mdx::ead

// Signing and verifying a file's EAD record: the RSA signature (padded MD5
// digest ^ exponent mod modulus) of every byte before the record.
#pragma once

#include <string>
#include <string_view>

#include "signature/ead_result.h"
#include "signature/rsa_key.h"

namespace mdx::ead {

// Appends the record to bytes, signed with the private key: first CR LF when
// bytes is not empty and does not end with LF (it is part of the signed
// content), then the record. kAlreadySigned, leaving bytes alone, when the
// last line already looks like a record. Stores the 256 digits in
// signatureHex on success.
Result SignContent(std::string& bytes, const RsaKey& privateKey, std::string& signatureHex);

// The outcome of checking a file, with the 1-based line it concerns: the
// record line when valid, mismatching or malformed, the last line when there
// is no record, 0 when the file could not be read.
struct Verification {
  Result result = kOk;
  int line = 0;
};
Verification VerifyContent(std::string_view bytes, const RsaKey& publicKey);

// The same on a file. SignFile rewrites it through a temporary file and a
// rename, so on any failure it is left as it was; kFileUnreadable when it
// cannot be read, kWriteFailed when the signed file cannot be written.
Result SignFile(const std::string& path, const RsaKey& privateKey, std::string& signatureHex);
Verification VerifyFile(const std::string& path, const RsaKey& publicKey);

}  // namespace mdx::ead

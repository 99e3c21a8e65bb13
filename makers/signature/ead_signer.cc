#include "signature/ead_signer.h"

#include <exception>

#include "mdx00200/platform.h"
#include "signature/ead_crypto.h"
#include "signature/ead_record.h"
#include "signature/hex_text.h"

namespace mdx::ead {

namespace {

// The padded digest of the content, or nullopt when the backend fails.
std::optional<std::string> PaddedDigestOf(std::string_view content) {
  const auto digest = crypto::Md5(content);
  if (!digest) return std::nullopt;
  return PadDigest(*digest);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  if (path.empty()) return false;
  try {
    bytes = platform::ReadFile(path);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

Result SignContent(std::string& bytes, const RsaKey& privateKey, std::string& signatureHex) {
  if (LooksLikeRecord(FindLastLine(bytes).text)) return kAlreadySigned;
  std::string content = bytes;
  if (!content.empty() && content.back() != '\n') content.append("\r\n");
  const auto padded = PaddedDigestOf(content);
  if (!padded) return kCryptoFailure;
  const auto signature = crypto::PowMod(*padded, privateKey.exponent, privateKey.modulus);
  if (!signature) return kCryptoFailure;
  signatureHex = BytesToHex(*signature);
  content.append(MakeRecord(signatureHex));
  bytes = std::move(content);
  return kOk;
}

Verification VerifyContent(std::string_view bytes, const RsaKey& publicKey) {
  const LastLine last = FindLastLine(bytes);
  Verification verification{kOk, last.number};
  if (last.text.substr(0, kRecordTag.size()) != kRecordTag) {
    verification.result = kNoRecord;
    return verification;
  }
  const auto digits = RecordSignature(last.withEnd);
  if (!digits) {
    verification.result = kMalformedRecord;
    return verification;
  }
  // A signature is a number below the modulus; equal-length big-endian byte
  // strings compare as the numbers do.
  const std::string signature = HexToBytes(*digits);
  const auto padded = PaddedDigestOf(bytes.substr(0, last.start));
  if (!padded) {
    verification.result = kCryptoFailure;
    return verification;
  }
  if (signature >= publicKey.modulus) {
    verification.result = kSignatureMismatch;
    return verification;
  }
  const auto recovered = crypto::PowMod(signature, publicKey.exponent, publicKey.modulus);
  if (!recovered) {
    verification.result = kCryptoFailure;
  } else if (*recovered != *padded) {
    verification.result = kSignatureMismatch;
  }
  return verification;
}

Result SignFile(const std::string& path, const RsaKey& privateKey, std::string& signatureHex) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return kFileUnreadable;
  std::string signature;
  const Result result = SignContent(bytes, privateKey, signature);
  if (result != kOk) return result;
  try {
    platform::WriteFileAtomically(path, bytes);
  } catch (const std::exception&) {
    return kWriteFailed;
  }
  signatureHex = signature;
  return kOk;
}

Verification VerifyFile(const std::string& path, const RsaKey& publicKey) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return {kFileUnreadable, 0};
  return VerifyContent(bytes, publicKey);
}

}  // namespace mdx::ead

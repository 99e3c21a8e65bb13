// The exported entry points. Nothing may escape them as an exception: a till
// calling through a C interface cannot catch it.
#include "signature/sign_bema_api.h"

#include <atomic>
#include <cstring>
#include <exception>

#include "signature/ead_crypto.h"
#include "signature/ead_result.h"
#include "signature/ead_signer.h"
#include "signature/hex_text.h"
#include "signature/rsa_key.h"

namespace {

std::atomic<int> libType{0};

}  // namespace

SIGN_BEMA_EXPORT int SIGN_BEMA_CALL generateEAD(const char* file, const char* keyB,
                                                const char* keyA, char* out, int flag) {
  using namespace mdx::ead;
  try {
    if (flag != 1) return kBadFlag;
    RsaKey key;
    const Result read = ReadSigningKey(keyA, keyB, key);
    if (read != kOk) return read;
    if (!file) return kFileUnreadable;
    std::string signature;
    const Result result = SignFile(file, key, signature);
    if (result == kOk && out) std::memcpy(out, signature.data(), signature.size());
    return result;
  } catch (...) {
    // Only memory exhaustion can get here; the file was not replaced.
    return kCryptoFailure;
  }
}

SIGN_BEMA_EXPORT int SIGN_BEMA_CALL validateFile(const char* file, const char* keyB,
                                                 const char* keyA) {
  using namespace mdx::ead;
  try {
    RsaKey key;
    const Result read = ReadVerifyingKey(keyA, keyB, key);
    if (read != kOk) return read;
    if (!file) return kFileUnreadable;
    return VerifyFile(file, key).result;
  } catch (...) {
    return kCryptoFailure;
  }
}

SIGN_BEMA_EXPORT int SIGN_BEMA_CALL genkkey(char* publicKey, char* privateKey) {
  using namespace mdx::ead;
  if (!publicKey || !privateKey) return kNullBuffer;
  try {
    std::string modulus, exponent;
    if (!crypto::GenerateKeyPair(modulus, exponent)) return kCryptoFailure;
    const std::string modulusHex = BytesToHex(modulus), exponentHex = BytesToHex(exponent);
    std::memcpy(publicKey, modulusHex.c_str(), modulusHex.size() + 1);
    std::memcpy(privateKey, exponentHex.c_str(), exponentHex.size() + 1);
    return kOk;
  } catch (...) {
    return kCryptoFailure;
  }
}

SIGN_BEMA_EXPORT int SIGN_BEMA_CALL setLibType(int kind) {
  libType = kind;
  return mdx::ead::kOk;
}

SIGN_BEMA_EXPORT int SignBema_LibType() { return libType; }

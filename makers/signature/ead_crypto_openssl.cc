// The backend on OpenSSL 3's libcrypto (BIGNUM and EVP, no deprecated calls).
#include "signature/ead_crypto.h"

#include <memory>

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/rsa.h>

namespace mdx::ead::crypto {

namespace {

struct BnFree {
  void operator()(BIGNUM* n) const { BN_clear_free(n); }
};
struct CtxFree {
  void operator()(BN_CTX* c) const { BN_CTX_free(c); }
};
struct KeyFree {
  void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
using Bn = std::unique_ptr<BIGNUM, BnFree>;

Bn FromBytes(const std::string& bytes) {
  return Bn(BN_bin2bn(reinterpret_cast<const unsigned char*>(bytes.data()),
                      static_cast<int>(bytes.size()), nullptr));
}

// The number as exactly size bytes; nullopt when it does not fit.
std::optional<std::string> ToBytes(const BIGNUM* n, size_t size) {
  std::string bytes(size, '\0');
  if (BN_bn2binpad(n, reinterpret_cast<unsigned char*>(bytes.data()), static_cast<int>(size)) < 0) {
    return std::nullopt;
  }
  return bytes;
}

std::optional<std::string> KeyNumber(const EVP_PKEY* key, const char* name, size_t size) {
  BIGNUM* raw = nullptr;
  if (EVP_PKEY_get_bn_param(key, name, &raw) != 1) return std::nullopt;
  Bn number(raw);
  return ToBytes(number.get(), size);
}

}  // namespace

std::optional<std::string> Md5(std::string_view data) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned size = 0;
  if (EVP_Digest(data.data(), data.size(), digest, &size, EVP_md5(), nullptr) != 1 || size != 16) {
    return std::nullopt;
  }
  return std::string(reinterpret_cast<const char*>(digest), size);
}

std::optional<std::string> PowMod(const std::string& base, const std::string& exponent,
                                  const std::string& modulus) {
  Bn b = FromBytes(base), e = FromBytes(exponent), m = FromBytes(modulus), result(BN_new());
  std::unique_ptr<BN_CTX, CtxFree> context(BN_CTX_new());
  if (!b || !e || !m || !result || !context || BN_is_zero(m.get())) return std::nullopt;
  if (BN_mod_exp(result.get(), b.get(), e.get(), m.get(), context.get()) != 1) return std::nullopt;
  return ToBytes(result.get(), modulus.size());
}

bool GenerateKeyPair(std::string& modulus, std::string& privateExponent) {
  std::unique_ptr<EVP_PKEY, KeyFree> key(EVP_RSA_gen(1024));
  if (!key) return false;
  auto n = KeyNumber(key.get(), OSSL_PKEY_PARAM_RSA_N, 128);
  auto d = KeyNumber(key.get(), OSSL_PKEY_PARAM_RSA_D, 128);
  if (!n || !d) return false;
  modulus = *n;
  privateExponent = *d;
  return true;
}

}  // namespace mdx::ead::crypto

// The backend on libgcrypt, for the Windows build (linked statically with
// libgpg-error, so the library needs no extra DLL).
#include "signature/ead_crypto.h"

#include <mutex>

#define GCRYPT_NO_DEPRECATED
#include <gcrypt.h>

namespace mdx::ead::crypto {

namespace {

// libgcrypt must be initialised once before any other call.
bool Ready() {
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] {
    if (!gcry_check_version(GCRYPT_VERSION)) return;
    gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    ready = true;
  });
  return ready;
}

class Mpi {
 public:
  explicit Mpi(gcry_mpi_t value = nullptr) : value_(value) {}
  ~Mpi() { gcry_mpi_release(value_); }
  Mpi(const Mpi&) = delete;
  Mpi& operator=(const Mpi&) = delete;
  gcry_mpi_t get() const { return value_; }
  gcry_mpi_t* out() { return &value_; }

 private:
  gcry_mpi_t value_;
};

class Sexp {
 public:
  explicit Sexp(gcry_sexp_t value = nullptr) : value_(value) {}
  ~Sexp() { gcry_sexp_release(value_); }
  Sexp(const Sexp&) = delete;
  Sexp& operator=(const Sexp&) = delete;
  gcry_sexp_t get() const { return value_; }
  gcry_sexp_t* out() { return &value_; }

 private:
  gcry_sexp_t value_;
};

bool FromBytes(const std::string& bytes, Mpi& number) {
  if (bytes.empty()) return gcry_mpi_scan(number.out(), GCRYMPI_FMT_USG, "\0", 1, nullptr) == 0;
  return gcry_mpi_scan(number.out(), GCRYMPI_FMT_USG, bytes.data(), bytes.size(), nullptr) == 0;
}

// The number as exactly size bytes; nullopt when it does not fit.
std::optional<std::string> ToBytes(gcry_mpi_t number, size_t size) {
  size_t length = 0;
  if (gcry_mpi_print(GCRYMPI_FMT_USG, nullptr, 0, &length, number) != 0 || length > size) {
    return std::nullopt;
  }
  std::string bytes(size, '\0');
  size_t written = 0;
  unsigned char* end = reinterpret_cast<unsigned char*>(bytes.data()) + (size - length);
  if (length > 0 && (gcry_mpi_print(GCRYMPI_FMT_USG, end, length, &written, number) != 0 ||
                     written != length)) {
    return std::nullopt;
  }
  return bytes;
}

std::optional<std::string> KeyNumber(gcry_sexp_t key, const char* name, size_t size) {
  Sexp list(gcry_sexp_find_token(key, name, 0));
  if (!list.get()) return std::nullopt;
  Mpi number(gcry_sexp_nth_mpi(list.get(), 1, GCRYMPI_FMT_USG));
  if (!number.get()) return std::nullopt;
  return ToBytes(number.get(), size);
}

}  // namespace

std::optional<std::string> Md5(std::string_view data) {
  if (!Ready()) return std::nullopt;
  std::string digest(16, '\0');
  gcry_md_hash_buffer(GCRY_MD_MD5, digest.data(), data.data(), data.size());
  return digest;
}

std::optional<std::string> PowMod(const std::string& base, const std::string& exponent,
                                  const std::string& modulus) {
  if (!Ready()) return std::nullopt;
  Mpi b, e, m;
  if (!FromBytes(base, b) || !FromBytes(exponent, e) || !FromBytes(modulus, m)) return std::nullopt;
  if (gcry_mpi_cmp_ui(m.get(), 0) == 0) return std::nullopt;
  Mpi result(gcry_mpi_new(0));
  gcry_mpi_powm(result.get(), b.get(), e.get(), m.get());
  return ToBytes(result.get(), modulus.size());
}

bool GenerateKeyPair(std::string& modulus, std::string& privateExponent) {
  if (!Ready()) return false;
  Sexp parameters, key;
  if (gcry_sexp_build(parameters.out(), nullptr, "(genkey (rsa (nbits 4:1024) (rsa-use-e 5:65537)))") != 0 ||
      gcry_pk_genkey(key.out(), parameters.get()) != 0) {
    return false;
  }
  Sexp secret(gcry_sexp_find_token(key.get(), "private-key", 0));
  if (!secret.get()) return false;
  auto n = KeyNumber(secret.get(), "n", 128);
  auto d = KeyNumber(secret.get(), "d", 128);
  if (!n || !d) return false;
  modulus = *n;
  privateExponent = *d;
  return true;
}

}  // namespace mdx::ead::crypto

// eadverify: checks the EAD record of signed files.
//   eadverify [--key FILE] FILE...
// The key is the build's public key, or the modulus and public exponent of
// a key file. One line per file on standard output: "FILE: signature valid"
// or "FILE: line N: <why>". Exit 0 when every file is valid, 1 when any is
// not, 2 for a usage error or an unusable key file.
#include <cstdio>
#include <string>
#include <vector>

#include "mdx_ead_public_key.h"
#include "signature/ead_result.h"
#include "signature/ead_signer.h"
#include "signature/key_file.h"
#include "signature/rsa_key.h"

namespace {

constexpr int kUsageError = 2;

int Usage(const char* why) {
  std::fprintf(stderr, "eadverify: %s\nusage: eadverify [--key FILE] FILE...\n", why);
  return kUsageError;
}

// The key of --key FILE: its modulus and public exponent.
bool LoadKey(const std::string& path, mdx::ead::RsaKey& key) {
  mdx::ead::KeyFile file;
  std::string error;
  if (!mdx::ead::ReadKeyFile(path, file, error)) {
    std::fprintf(stderr, "eadverify: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  if (file.modulus.empty() || file.publicExponent.empty()) {
    std::fprintf(stderr, "eadverify: %s: needs a modulus and a public-exponent line\n", path.c_str());
    return false;
  }
  const int read = mdx::ead::ReadVerifyingKey(file.modulus.c_str(), file.publicExponent.c_str(), key);
  if (read != mdx::ead::kOk) {
    std::fprintf(stderr, "eadverify: %s: %s\n", path.c_str(), mdx::ead::ResultText(read));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string keyPath;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--key") {
      if (i + 1 >= argc) return Usage("--key needs a file");
      keyPath = argv[++i];
    } else if (argument.size() > 1 && argument[0] == '-') {
      return Usage(("unknown option " + argument).c_str());
    } else {
      files.push_back(argument);
    }
  }
  if (files.empty()) return Usage("no file to check");

  mdx::ead::RsaKey key;
  if (keyPath.empty()) {
    if (mdx::ead::ReadVerifyingKey(mdx::ead::kEadPublicModulus, mdx::ead::kEadPublicExponent, key) !=
        mdx::ead::kOk) {
      std::fprintf(stderr, "eadverify: the built-in public key is not usable\n");
      return kUsageError;
    }
  } else if (!LoadKey(keyPath, key)) {
    return kUsageError;
  }

  bool allValid = true;
  for (const std::string& file : files) {
    const mdx::ead::Verification check = mdx::ead::VerifyFile(file, key);
    if (check.result == mdx::ead::kOk) {
      std::printf("%s: signature valid\n", file.c_str());
    } else if (check.line > 0) {
      allValid = false;
      std::printf("%s: line %d: %s\n", file.c_str(), check.line, mdx::ead::ResultText(check.result));
    } else {
      allValid = false;
      std::printf("%s: %s\n", file.c_str(), mdx::ead::ResultText(check.result));
    }
  }
  std::fflush(stdout);
  return allValid ? 0 : 1;
}

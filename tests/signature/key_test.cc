// The key texts the library accepts, the key files the build and the
// verifier read, and the build's own key.
#include <gtest/gtest.h>

#include "mdx_ead_public_key.h"
#include "signature/ead_signer.h"
#include "signature/key_file.h"
#include "signature/rsa_key.h"
#include "signature_support.h"

#ifndef MDX_EAD_KEY_FILE_PATH
#error "MDX_EAD_KEY_FILE_PATH (the build's key file) must be defined"
#endif

namespace mdx::ead {
namespace {

using test::kModulusA;
using test::kPrivateA;

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

TEST(EadKeys, SigningKeyTexts) {
  const std::string modulus = kModulusA, exponent = kPrivateA;
  const std::string nonHex = modulus.substr(0, 100) + "G" + modulus.substr(101);
  const std::string longModulus = modulus + "0", zero(256, '0'), modulus1023 = "7" + modulus.substr(1);
  const std::string lowerModulus = Lower(modulus), lowerExponent = Lower(exponent);
  const struct {
    const char* name;
    const char* modulus;
    const char* exponent;
    Result result;
  } cases[] = {
      {"good", kModulusA, kPrivateA, kOk},
      {"lower case", lowerModulus.c_str(), lowerExponent.c_str(), kOk},
      {"modulus one digit short", modulus.c_str() + 1, kPrivateA, kBadKeyText},
      {"exponent one digit short", kModulusA, exponent.c_str() + 1, kBadKeyText},
      {"modulus one digit long", longModulus.c_str(), kPrivateA, kBadKeyText},
      {"modulus not hexadecimal", nonHex.c_str(), kPrivateA, kBadKeyText},
      {"empty exponent", kModulusA, "", kBadKeyText},
      {"null modulus", nullptr, kPrivateA, kBadKeyText},
      {"null exponent", kModulusA, nullptr, kBadKeyText},
      {"zero exponent", kModulusA, zero.c_str(), kBadKeyText},
      {"1023-bit modulus", modulus1023.c_str(), kPrivateA, kModulusNot1024Bits},
  };
  for (const auto& c : cases) {
    RsaKey key;
    EXPECT_EQ(ReadSigningKey(c.modulus, c.exponent, key), c.result) << c.name;
    if (c.result == kOk) {
      EXPECT_EQ(key.modulus.size(), kKeyBytes) << c.name;
      EXPECT_EQ(key.exponent.size(), kKeyBytes) << c.name;
    }
  }
}

TEST(EadKeys, PublicExponentTexts) {
  const struct {
    std::string exponent;
    Result result;
  } cases[] = {
      {"010001", kOk}, {"3", kOk},   {std::string(256, 'F'), kOk}, {"", kBadKeyText},
      {"0", kBadKeyText}, {"01000G", kBadKeyText}, {std::string(257, '1'), kBadKeyText},
  };
  for (const auto& c : cases) {
    RsaKey key;
    EXPECT_EQ(ReadVerifyingKey(kModulusA, c.exponent.c_str(), key), c.result) << c.exponent;
  }
}

TEST(EadKeyFile, Parse) {
  KeyFile key;
  std::string error;
  ASSERT_TRUE(ParseKeyFile("# test key\r\n\r\n  modulus=abC1 \r\nprivate-exponent=02\npublic-exponent=010001",
                           key, error))
      << error;
  EXPECT_EQ(key.modulus, "ABC1");
  EXPECT_EQ(key.privateExponent, "02");
  EXPECT_EQ(key.publicExponent, "010001");

  const struct {
    std::string text, error;
  } bad[] = {
      {"modulus=AB\nexponent=03\n", "line 2: unknown name \"exponent\""},
      {"# key\nmodulus AB\n", "line 2: expected name=value"},
      {"modulus=AB\nmodulus=CD\n", "line 2: modulus given twice"},
      {"\n\npublic-exponent=01 00 01\n", "line 3: public-exponent is not a hexadecimal number"},
      {"private-exponent=\n", "line 1: private-exponent is not a hexadecimal number"},
  };
  for (const auto& c : bad) {
    KeyFile untouched;
    untouched.modulus = "KEEP";
    EXPECT_FALSE(ParseKeyFile(c.text, untouched, error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
    EXPECT_EQ(untouched.modulus, "KEEP");
  }
}

// The build's key file is a working pair, and its public half is the one
// compiled into the tools.
TEST(EadKeyFile, BuildKeyMatchesThePublicKey) {
  KeyFile file;
  std::string error;
  ASSERT_TRUE(ReadKeyFile(MDX_EAD_KEY_FILE_PATH, file, error)) << error;
  EXPECT_EQ(file.modulus, kEadPublicModulus);
  EXPECT_EQ(file.publicExponent, kEadPublicExponent);

  RsaKey signing, verifying;
  ASSERT_EQ(ReadSigningKey(file.modulus.c_str(), file.privateExponent.c_str(), signing), kOk);
  ASSERT_EQ(ReadVerifyingKey(kEadPublicModulus, kEadPublicExponent, verifying), kOk);
  std::string bytes = "E01 build key\r\n", signature;
  ASSERT_EQ(SignContent(bytes, signing, signature), kOk);
  EXPECT_EQ(VerifyContent(bytes, verifying).result, kOk);

  EXPECT_FALSE(ReadKeyFile(MDX_EAD_KEY_FILE_PATH ".missing", file, error));
  EXPECT_NE(error.find(".missing"), std::string::npos) << error;
}

}  // namespace
}  // namespace mdx::ead

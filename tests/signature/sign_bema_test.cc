// The signature library loaded by name through the package's entry-point
// types: signing in place, every refusal leaving the file as it was, the
// checks of validateFile, key generation.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <system_error>

#include "sign_bema_library.h"
#include "signature/ead_result.h"
#include "signature_support.h"
#include "support/temp_folder.h"

namespace mdx::ead {
namespace {

namespace fs = std::filesystem;
using test::kModulusA;
using test::kModulusB;
using test::kPrivateA;
using test::kPublicExponent;
using test::ReadBytes;
using test::WriteBytes;

class SignBema : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(lib.error, ""); }
  std::string File(const std::string& name, const std::string& content) {
    const std::string path = folder.File(name);
    WriteBytes(path, content);
    return path;
  }

  const test::SignBemaLibrary& lib = test::SignBemaLibrary::Get();
  mdx::test::TemporaryFolder folder{"mdx_sign"};
};

TEST_F(SignBema, GenerateEadSignsInPlace) {
  const std::string path = File("MFD.TXT", "E01 one\r\nE02 two");
  std::string out(256, ' ');
  ASSERT_EQ(lib.generateEAD(path.c_str(), kPrivateA, kModulusA, out.data(), 1), kOk);
  EXPECT_EQ(ReadBytes(path), "E01 one\r\nE02 two\r\nEAD" + out + "\r\n");
  EXPECT_EQ(out.find_first_not_of("0123456789ABCDEF"), std::string::npos) << out;
  EXPECT_EQ(lib.validateFile(path.c_str(), kPublicExponent, kModulusA), kOk);

  const std::string second = File("LMF.TXT", "E01\r\n");
  ASSERT_EQ(lib.generateEAD(second.c_str(), kPrivateA, kModulusA, nullptr, 1), kOk);
  EXPECT_EQ(lib.validateFile(second.c_str(), kPublicExponent, kModulusA), kOk);
}

TEST_F(SignBema, GenerateEadRefusalsLeaveTheFile) {
  const std::string content = "E01 keep me\r\n";
  const std::string modulus = kModulusA, exponent = kPrivateA;
  const std::string shortExponent = exponent.substr(1), nonHex = "X" + modulus.substr(1);
  const std::string modulus1023 = "7" + modulus.substr(1);
  std::string signedFile = content, signature(256, ' ');
  {
    const std::string path = File("signed.txt", content);
    ASSERT_EQ(lib.generateEAD(path.c_str(), kPrivateA, kModulusA, signature.data(), 1), kOk);
    signedFile = ReadBytes(path);
  }
  const struct {
    const char* name;
    const char* file;  // "" = the prepared file, nullptr = none
    const std::string* prepared;  // its content, nullptr = leave it missing
    const char* keyB;
    const char* keyA;
    int flag;
    Result result;
  } cases[] = {
      {"flag 0", "", &content, kPrivateA, kModulusA, 0, kBadFlag},
      {"flag 2", "", &content, kPrivateA, kModulusA, 2, kBadFlag},
      {"short private exponent", "", &content, shortExponent.c_str(), kModulusA, 1, kBadKeyText},
      {"non-hexadecimal modulus", "", &content, kPrivateA, nonHex.c_str(), 1, kBadKeyText},
      {"null key B", "", &content, nullptr, kModulusA, 1, kBadKeyText},
      {"null key A", "", &content, kPrivateA, nullptr, 1, kBadKeyText},
      {"keys swapped", "", &content, kModulusA, kPrivateA, 1, kModulusNot1024Bits},
      {"1023-bit modulus", "", &content, kPrivateA, modulus1023.c_str(), 1, kModulusNot1024Bits},
      {"null file name", nullptr, nullptr, kPrivateA, kModulusA, 1, kFileUnreadable},
      {"empty file name", "-", nullptr, kPrivateA, kModulusA, 1, kFileUnreadable},
      {"missing file", "", nullptr, kPrivateA, kModulusA, 1, kFileUnreadable},
      {"already signed", "", &signedFile, kPrivateA, kModulusA, 1, kAlreadySigned},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.File(std::string(c.name) + ".txt");
    if (c.prepared) WriteBytes(path, *c.prepared);
    const char* file = !c.file ? nullptr : std::strcmp(c.file, "-") == 0 ? "" : path.c_str();
    std::string out(256, ' ');
    EXPECT_EQ(lib.generateEAD(file, c.keyB, c.keyA, out.data(), c.flag), c.result);
    EXPECT_EQ(ReadBytes(path), c.prepared ? *c.prepared : "<missing>");
    EXPECT_EQ(out, std::string(256, ' '));
  }
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    EXPECT_NE(entry.path().extension(), ".tmp") << "left behind: " << entry.path();
  }
}

// The folder does not let the signed copy be written: made read-only, or,
// where that does not stop this user (root, Windows), its temporary name is
// taken by a folder.
TEST_F(SignBema, GenerateEadWriteFailureLeavesTheFile) {
  const fs::path locked = folder.path() / "locked";
  fs::create_directory(locked);
  const std::string path = (locked / "MFD.TXT").string(), content = "E01 keep me\r\n";
  WriteBytes(path, content);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  std::error_code error;
  const bool writable = fs::create_directory(locked / "probe", error);
  if (writable) {
    fs::remove(locked / "probe");
    fs::create_directory(path + ".tmp");
  }
  std::string out(256, ' ');
  EXPECT_EQ(lib.generateEAD(path.c_str(), kPrivateA, kModulusA, out.data(), 1), kWriteFailed);
  EXPECT_EQ(ReadBytes(path), content);
  EXPECT_EQ(out, std::string(256, ' '));
  fs::permissions(locked, fs::perms::owner_all);
}

TEST_F(SignBema, ValidateFileCodes) {
  const std::string good = File("good.txt", "E01\r\nE02\r\n");
  ASSERT_EQ(lib.generateEAD(good.c_str(), kPrivateA, kModulusA, nullptr, 1), kOk);
  std::string changed = ReadBytes(good);
  changed[1] = '9';
  const std::string tampered = File("tampered.txt", changed);
  const std::string unsignedFile = File("unsigned.txt", "E01\r\n");
  const std::string malformed = File("malformed.txt", "E01\r\nEAD0123\r\n");
  const std::string missing = folder.File("missing.txt");
  const std::string shortModulus = std::string(kModulusA).substr(2);
  const struct {
    const char* name;
    const char* file;
    const char* keyB;
    const char* keyA;
    Result result;
  } cases[] = {
      {"valid", good.c_str(), kPublicExponent, kModulusA, kOk},
      {"short exponent text", good.c_str(), "10001", kModulusA, kOk},
      {"other exponent", good.c_str(), "03", kModulusA, kSignatureMismatch},
      {"other modulus", good.c_str(), kPublicExponent, kModulusB, kSignatureMismatch},
      {"tampered", tampered.c_str(), kPublicExponent, kModulusA, kSignatureMismatch},
      {"unsigned", unsignedFile.c_str(), kPublicExponent, kModulusA, kNoRecord},
      {"malformed", malformed.c_str(), kPublicExponent, kModulusA, kMalformedRecord},
      {"missing", missing.c_str(), kPublicExponent, kModulusA, kFileUnreadable},
      {"null file", nullptr, kPublicExponent, kModulusA, kFileUnreadable},
      {"non-hexadecimal exponent", good.c_str(), "01000X", kModulusA, kBadKeyText},
      {"short modulus", good.c_str(), kPublicExponent, shortModulus.c_str(), kBadKeyText},
      {"null keys", good.c_str(), nullptr, nullptr, kBadKeyText},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lib.validateFile(c.file, c.keyB, c.keyA), c.result) << c.name;
  }
}

TEST_F(SignBema, GenkkeyMakesAWorkingPair) {
  char modulus[257], exponent[257], other[257], otherExponent[257];
  ASSERT_EQ(lib.genkkey(modulus, exponent), kOk);
  ASSERT_EQ(lib.genkkey(other, otherExponent), kOk);
  for (const char* key : {modulus, exponent}) {
    ASSERT_EQ(std::strlen(key), 256u);
    EXPECT_EQ(std::string(key).find_first_not_of("0123456789ABCDEF"), std::string::npos) << key;
  }
  EXPECT_GE(modulus[0], '8') << "the modulus has 1024 bits";
  EXPECT_STRNE(modulus, other);

  const std::string path = File("pair.txt", "E01 pair\r\n");
  ASSERT_EQ(lib.generateEAD(path.c_str(), exponent, modulus, nullptr, 1), kOk);
  EXPECT_EQ(lib.validateFile(path.c_str(), kPublicExponent, modulus), kOk);
  EXPECT_EQ(lib.validateFile(path.c_str(), kPublicExponent, other), kSignatureMismatch);

  EXPECT_EQ(lib.genkkey(nullptr, exponent), kNullBuffer);
  EXPECT_EQ(lib.genkkey(modulus, nullptr), kNullBuffer);
}

TEST_F(SignBema, SetLibTypeRecordsTheKind) {
  EXPECT_EQ(lib.setLibType(1), kOk);
  EXPECT_EQ(lib.libType(), 1);
  EXPECT_EQ(lib.setLibType(7), kOk);
  EXPECT_EQ(lib.libType(), 7);
}

}  // namespace
}  // namespace mdx::ead

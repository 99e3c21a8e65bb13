// geraEad with the signature substitute found beside the package.
#include <gtest/gtest.h>

#include "fiscalmenu/signed_files.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

using SignFn = void (*)(const AnsiString&);

class EadTest : public PackageTest {
 protected:
  AnsiString File(const AnsiString& content) {
    const AnsiString path = host_->Directory() + "menu.txt";
    platform::WriteFileAtomically(path, content);
    return path;
  }
  void Sign(const AnsiString& path) { Op<SignFn>("geraEad")(path); }
  void* EntryGlobal(const char* name) { return Package().Global<void*>(name); }
};

TEST_F(EadTest, SignsInPlaceAndForgetsTheEntriesAfterEachCall) {
  const AnsiString path = File("linha 1\r\nlinha 2\r\n");
  Sign(path);
  const std::string signed1 = platform::ReadFile(path);
  EXPECT_EQ(signed1.substr(0, 18), "linha 1\r\nlinha 2\r\n");
  EXPECT_EQ(signed1.size(), 18u + 3 + 256 + 2);
  EXPECT_EQ(ValidateSignature(path), 0);
  for (const char* entry :
       {"Bematech_setLibType", "Bematech_genkkey", "Bematech_generateEAD", "Bematech_validateFile"}) {
    EXPECT_EQ(EntryGlobal(entry), nullptr) << entry;
  }
  EXPECT_NE(EntryGlobal("signDLLHandle"), nullptr);

  // A second call resolves everything again; the library refuses to sign
  // twice, so the file stays as it was.
  Sign(path);
  EXPECT_EQ(platform::ReadFile(path), signed1);
  EXPECT_EQ(EntryGlobal("Bematech_generateEAD"), nullptr);
}

TEST_F(EadTest, ChangedByteFailsTheCheck) {
  const AnsiString path = File("COO 000123 TOTAL 10,00");
  Sign(path);
  ASSERT_EQ(ValidateSignature(path), 0);
  std::string bytes = platform::ReadFile(path);
  bytes[11] = '9';
  platform::WriteFileAtomically(path, bytes);
  EXPECT_NE(ValidateSignature(path), 0);
}

TEST_F(EadTest, MissingFileIsSilent) {
  Sign(host_->Directory() + "none.txt");
  EXPECT_FALSE(platform::FileExists(host_->Directory() + "none.txt"));
  EXPECT_TRUE(host_->DialogTexts().empty());
}

}  // namespace
}  // namespace mdx::test

// eadverify end to end: the tool built beside this test binary checks signed
// files and reports each one on its own line, with the line that failed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "mdx00200/platform.h"
#include "signature/ead_signer.h"
#include "signature/key_file.h"
#include "signature/rsa_key.h"
#include "signature_support.h"
#include "support/temp_folder.h"

#ifndef MDX_EADVERIFY_NAME
#error "MDX_EADVERIFY_NAME (the verifier's file name) must be defined"
#endif

namespace mdx::ead {
namespace {

using test::kModulusA;
using test::kPrivateA;
using test::ReadBytes;
using test::WriteBytes;

struct ToolRun {
  int status = -1;
  std::string out, err;
};

#ifdef _WIN32
std::string UnixLines(std::string text) {
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
  return text;
}
#endif

class EadVerify : public ::testing::Test {
 protected:
  std::string Q(const std::string& path) { return "\"" + path + "\""; }

  // A file with the content, signed with the key unless it is null.
  std::string File(const std::string& name, const std::string& content, const RsaKey* key) {
    const std::string path = folder.File(name);
    WriteBytes(path, content);
    std::string signature;
    if (key) {
      EXPECT_EQ(SignFile(path, *key, signature), kOk) << name;
    }
    return path;
  }

  ToolRun Tool(const std::string& arguments) {
    const std::string tool = platform::ExecutableDirectory() + MDX_EADVERIFY_NAME;
    const std::string out = folder.File("out.log"), err = folder.File("err.log");
    std::string command = Q(tool) + " " + arguments + " > " + Q(out) + " 2> " + Q(err);
#ifdef _WIN32
    command = "\"" + command + "\"";  // cmd keeps the inner quotes this way
#endif
    ToolRun run;
    const int status = std::system(command.c_str());
#ifdef _WIN32
    run.status = status;
    // The tool's standard output is in text mode there: lines end in CR LF.
    run.out = UnixLines(ReadBytes(out));
    run.err = UnixLines(ReadBytes(err));
#else
    run.status = (status >> 8) & 0xFF;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
#endif
    return run;
  }

  RsaKey KeyA() {
    RsaKey key;
    EXPECT_EQ(ReadSigningKey(kModulusA, kPrivateA, key), kOk);
    return key;
  }

  mdx::test::TemporaryFolder folder{"mdx_eadverify"};
};

TEST_F(EadVerify, ReportsEachFile) {
  const RsaKey key = KeyA();
  const std::string keyFile =
      File("a.key", std::string("# test\nmodulus=") + kModulusA + "\npublic-exponent=010001\n", nullptr);
  const std::string good = File("good.txt", "E01\r\nE02\r\n", &key);
  const std::string tampered = File("tampered.txt", "E01\r\nE02\r\n", &key);
  std::string bytes = ReadBytes(tampered);
  bytes[6] = 'X';
  WriteBytes(tampered, bytes);
  const std::string unsignedFile = File("unsigned.txt", "E01\r\nE02\r\n", nullptr);
  const std::string malformed = File("malformed.txt", "E01\r\nEAD12\r\n", nullptr);
  const std::string missing = folder.File("missing.txt");

  ToolRun run = Tool("--key " + Q(keyFile) + " " + Q(good));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, good + ": signature valid\n");

  run = Tool("--key " + Q(keyFile) + " " + Q(good) + " " + Q(tampered) + " " + Q(unsignedFile) + " " +
             Q(malformed) + " " + Q(missing));
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(run.out, good + ": signature valid\n" +
                         tampered + ": line 3: signature does not match the content\n" +
                         unsignedFile + ": line 2: no EAD record\n" +
                         malformed + ": line 2: malformed EAD record (expected \"EAD\", 256 upper-case "
                                     "hexadecimal digits, CR LF)\n" +
                         missing + ": the file is missing or cannot be read\n");
}

// Without --key the tool checks with the build's public key.
TEST_F(EadVerify, DefaultKeyIsTheBuildKey) {
  KeyFile build;
  std::string error;
  ASSERT_TRUE(ReadKeyFile(MDX_EAD_KEY_FILE_PATH, build, error)) << error;
  RsaKey buildKey;
  ASSERT_EQ(ReadSigningKey(build.modulus.c_str(), build.privateExponent.c_str(), buildKey), kOk);
  const RsaKey otherKey = KeyA();
  const std::string byBuild = File("build.txt", "E01\r\n", &buildKey);
  const std::string byOther = File("other.txt", "E01\r\n", &otherKey);

  ToolRun run = Tool(Q(byBuild));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, byBuild + ": signature valid\n");
  run = Tool(Q(byOther));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, byOther + ": line 2: signature does not match the content\n");
}

TEST_F(EadVerify, UsageErrors) {
  const std::string file = File("file.txt", "E01\r\n", nullptr);
  const std::string badKey = File("bad.key", "# key\nmodulus=XYZ\n", nullptr);
  const std::string noPublic = File("private.key", std::string("modulus=") + kModulusA + "\n", nullptr);
  const std::string shortKey = File("short.key", "modulus=ABCD\npublic-exponent=03\n", nullptr);
  const struct {
    std::string arguments, error;
  } cases[] = {
      {"", "no file to check"},
      {"--key", "--key needs a file"},
      {"--verbose " + Q(file), "unknown option --verbose"},
      {"--key " + Q(folder.File("none.key")) + " " + Q(file), "none.key"},
      {"--key " + Q(badKey) + " " + Q(file), "line 2: modulus is not a hexadecimal number"},
      {"--key " + Q(noPublic) + " " + Q(file), "needs a modulus and a public-exponent line"},
      {"--key " + Q(shortKey) + " " + Q(file), "hexadecimal digits of the right length"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.arguments << "\n" << run.err;
  }
}

}  // namespace
}  // namespace mdx::ead

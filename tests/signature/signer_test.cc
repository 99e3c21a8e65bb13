// The signature core: digest, padding, the record's place and form, signing
// and verifying content, and what tampering each check catches.
#include <gtest/gtest.h>

#include <functional>

#include "signature/ead_crypto.h"
#include "signature/ead_record.h"
#include "signature/ead_signer.h"
#include "signature/hex_text.h"
#include "signature/rsa_key.h"
#include "signature_support.h"

namespace mdx::ead {
namespace {

using test::kModulusA;
using test::kModulusB;
using test::kPrivateA;
using test::kPublicExponent;

RsaKey SigningKeyA() {
  RsaKey key;
  EXPECT_EQ(ReadSigningKey(kModulusA, kPrivateA, key), kOk);
  return key;
}

RsaKey PublicKey(const char* modulus) {
  RsaKey key;
  EXPECT_EQ(ReadVerifyingKey(modulus, kPublicExponent, key), kOk);
  return key;
}

std::string Signed(const std::string& content) {
  std::string bytes = content, signature;
  EXPECT_EQ(SignContent(bytes, SigningKeyA(), signature), kOk);
  return bytes;
}

// The text with its letters from position `from` on in lower case.
std::string Lower(std::string text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
  }
  return text;
}

bool IsUpperHex(const std::string& text) {
  return text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

TEST(EadDigest, Md5KnownAnswers) {
  const struct {
    std::string data, digest;
  } cases[] = {
      {"", "D41D8CD98F00B204E9800998ECF8427E"},
      {"abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
  };
  for (const auto& c : cases) {
    const auto digest = crypto::Md5(c.data);
    ASSERT_TRUE(digest) << c.data;
    ASSERT_EQ(digest->size(), 16u);
    EXPECT_EQ(BytesToHex(*digest), c.digest) << c.data;
  }
}

TEST(EadDigest, PaddingIsPkcs1TypeOne) {
  const std::string digest = HexToBytes("00112233445566778899AABBCCDDEEFF");
  const std::string padded = PadDigest(digest);
  ASSERT_EQ(padded.size(), kKeyBytes);
  EXPECT_EQ(BytesToHex(padded.substr(0, 2)), "0001");
  EXPECT_EQ(padded.substr(2, 109), std::string(109, '\xFF'));
  EXPECT_EQ(padded[111], '\0');
  EXPECT_EQ(padded.substr(112), digest);
}

TEST(EadRecord, LastLine) {
  const struct {
    std::string bytes;
    int number;
    size_t start;
    std::string text;
  } cases[] = {
      {"", 1, 0, ""},
      {"A", 1, 0, "A"},
      {"A\r\n", 1, 0, "A"},
      {"A\r\nB", 2, 3, "B"},
      {"A\r\nB\r\n", 2, 3, "B"},
      {"A\nB\n", 2, 2, "B"},
      {"A\r\n\r\n", 2, 3, ""},
      {"\n", 1, 0, ""},
      {"A\r\nB\r", 2, 3, "B\r"},
  };
  for (const auto& c : cases) {
    const LastLine line = FindLastLine(c.bytes);
    EXPECT_EQ(line.number, c.number) << c.bytes;
    EXPECT_EQ(line.start, c.start) << c.bytes;
    EXPECT_EQ(line.text, c.text) << c.bytes;
    EXPECT_EQ(line.withEnd, c.bytes.substr(c.start)) << c.bytes;
  }
}

// A signature computed apart from this code (Python's pow over the padded
// MD5 digest), so byte order and padding are checked, not only consistency.
TEST(EadSigner, KnownSignature) {
  const std::string content = "E01 abc\r\nE02 def\r\n";
  std::string bytes = content, signature;
  ASSERT_EQ(SignContent(bytes, SigningKeyA(), signature), kOk);
  EXPECT_EQ(signature,
            "D7FE33E520A89DA3AA3E8D95064BFE37102008CFF61D077DA7C39CD4111209A8F8BF9A7E4BBCCE8329CF230A"
            "4F74759ED189E4012C18AB642B2456B72FAAAA24792D6B1C5E3FEB17EC705BC4E958A6ABAE0853BE6CB3CEB0"
            "C2F547CB2FB9F8A0F505DA95EA7EBF91AF69EFAE463D247C3F13763F16DA75D03F0A248C6B0715CD");
  EXPECT_EQ(bytes, content + "EAD" + signature + "\r\n");
}

TEST(EadSigner, RoundTrip) {
  const struct {
    const char* name;
    std::string content, signedContent;
    int recordLine;
  } cases[] = {
      {"empty", "", "", 1},
      {"CR LF lines", "A\r\nB\r\n", "A\r\nB\r\n", 3},
      {"no final line feed", "A\r\nB", "A\r\nB\r\n", 3},
      {"LF lines", "A\nB\n", "A\nB\n", 3},
      {"binary bytes", std::string("\0\xFF\x80\r\n", 5), std::string("\0\xFF\x80\r\n", 5), 2},
      {"EAD text that is no record", "EAD 123\r\n", "EAD 123\r\n", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = c.content, signature;
    ASSERT_EQ(SignContent(bytes, SigningKeyA(), signature), kOk);
    ASSERT_EQ(signature.size(), kKeyDigits);
    EXPECT_TRUE(IsUpperHex(signature)) << signature;
    EXPECT_EQ(bytes, c.signedContent + "EAD" + signature + "\r\n");
    const Verification valid = VerifyContent(bytes, PublicKey(kModulusA));
    EXPECT_EQ(valid.result, kOk);
    EXPECT_EQ(valid.line, c.recordLine);
    EXPECT_EQ(VerifyContent(bytes, PublicKey(kModulusB)).result, kSignatureMismatch);
  }
}

TEST(EadSigner, SignedContentIsRefused) {
  const std::string once = Signed("A\r\n");
  // A record in lower-case digits, or without its line end, still counts.
  const std::string lowered = Lower(once, once.find("EAD") + 3);
  for (const std::string& file : {once, lowered, once.substr(0, once.size() - 2)}) {
    std::string bytes = file, signature = "untouched";
    EXPECT_EQ(SignContent(bytes, SigningKeyA(), signature), kAlreadySigned) << file;
    EXPECT_EQ(bytes, file);
    EXPECT_EQ(signature, "untouched");
  }
}

// The signature plus the modulus gives the same digest back under the
// exponent, but is not the signature: only numbers below the modulus count.
TEST(EadSigner, SignatureMustBeBelowTheModulus) {
  const std::string good = Signed("E01 4\r\n");
  ASSERT_EQ(VerifyContent(good, PublicKey(kModulusA)).result, kOk);
  const std::string plusModulus =
      "F32E2FD0BA1D7AA9846C602DA519CAB35F30E0000F54ED1E23B22A0FB9928A68E3CD631D89075EE457FE131DDD5E974E"
      "BFBC18E1F3F78C69105A15623E7ED151F6D1AA94AE6318D9DAC58600D3332CABBD95A0C6E37C4211E361D0E4E1C2EBAE"
      "3E4EC368E54FFC6784C5A1F36FA7264F95CA12015D7240672609E7877B93ADB7";
  std::string forged = good;
  forged.replace(forged.find("EAD") + 3, kKeyDigits, plusModulus);
  const Verification check = VerifyContent(forged, PublicKey(kModulusA));
  EXPECT_EQ(check.result, kSignatureMismatch);
  EXPECT_EQ(check.line, 2);
}

TEST(EadSigner, TamperingIsCaught) {
  const std::string good = Signed("L1\r\nL2\r\nL3\r\n");  // the record is line 4
  const size_t record = good.find("EAD");
  const struct {
    const char* name;
    std::function<std::string(std::string)> change;
    Result result;
    int line;
  } cases[] = {
      {"a content byte", [](std::string s) { s[4 + 1] = '9'; return s; }, kSignatureMismatch, 4},
      {"a content CR removed", [](std::string s) { return s.erase(2, 1); }, kSignatureMismatch, 4},
      {"a record digit",
       [&](std::string s) { char& d = s[record + 10]; d = d == '0' ? '1' : '0'; return s; },
       kSignatureMismatch, 4},
      {"lower-case digits",
       [&](std::string s) { return Lower(s, record + 3); }, kMalformedRecord, 4},
      {"no final CR LF", [](std::string s) { return s.substr(0, s.size() - 2); }, kMalformedRecord, 4},
      {"LF only", [](std::string s) { return s.erase(s.size() - 2, 1); }, kMalformedRecord, 4},
      {"a digit missing", [&](std::string s) { return s.erase(record + 3, 1); }, kMalformedRecord, 4},
      {"a line after the record", [](std::string s) { return s + "L5\r\n"; }, kNoRecord, 5},
      {"the record removed", [&](std::string s) { return s.substr(0, record); }, kNoRecord, 3},
      {"an empty file", [](std::string) { return std::string(); }, kNoRecord, 1},
  };
  ASSERT_EQ(VerifyContent(good, PublicKey(kModulusA)).result, kOk);
  for (const auto& c : cases) {
    const Verification check = VerifyContent(c.change(good), PublicKey(kModulusA));
    EXPECT_EQ(check.result, c.result) << c.name;
    EXPECT_EQ(check.line, c.line) << c.name;
  }
}

}  // namespace
}  // namespace mdx::ead

// The default configuration-field cipher: exact round trip for every byte and
// any length, deterministic, printable and free of quote characters, since
// callers store the cipher text in dataset fields and filter on it.
#include <gtest/gtest.h>

#include <random>

#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"

namespace {

using mdx::AnsiString;

const int kKey = 1973;

// Printable, no quote of either kind, no blank or backslash.
void ExpectSafeForAFilter(const AnsiString& cipher) {
  for (char c : cipher) {
    unsigned char u = static_cast<unsigned char>(c);
    EXPECT_TRUE(u > ' ' && u < 0x7F && c != '\'' && c != '"' && c != '\\')
        << "byte " << int(u) << " in cipher text";
  }
}

TEST(Cripto, EveryByteRoundTripsAloneAndInOneText) {
  AnsiString all;
  for (int b = 1; b <= 255; ++b) {
    AnsiString one(1, static_cast<char>(b));
    AnsiString cipher = Criptografa::Cripto(one, kKey);
    ExpectSafeForAFilter(cipher);
    EXPECT_EQ(Criptografa::Uncripto(cipher, kKey), one) << "byte " << b;
    all += one;
  }
  AnsiString cipher = Criptografa::Cripto(all, kKey);
  ExpectSafeForAFilter(cipher);
  EXPECT_EQ(Criptografa::Uncripto(cipher, kKey), all);
}

TEST(Cripto, RandomTextsOfManyLengthsAndKeysRoundTrip) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> byte(1, 255);
  const int keys[] = {0, 1, kKey, -7, 2147483647, -2147483647 - 1};
  for (int key : keys) {
    for (size_t length : {0u, 1u, 2u, 17u, 255u, 256u, 1000u, 5000u}) {
      AnsiString text;
      for (size_t i = 0; i < length; ++i) text += static_cast<char>(byte(random));
      AnsiString cipher = Criptografa::Cripto(text, key);
      ExpectSafeForAFilter(cipher);
      ASSERT_EQ(Criptografa::Uncripto(cipher, key), text) << "key " << key << " length " << length;
    }
  }
}

TEST(Cripto, IsDeterministicAndHidesTheText) {
  AnsiString serial = "SW031300000000012345";
  AnsiString cipher = Criptografa::Cripto(serial, kKey);
  EXPECT_EQ(Criptografa::Cripto(serial, kKey), cipher);
  EXPECT_EQ(cipher.find(serial), AnsiString::npos);
  // The key changes the cipher text; a repeated byte does not repeat its code.
  EXPECT_NE(Criptografa::Cripto(serial, kKey + 1), cipher);
  AnsiString zeros = Criptografa::Cripto("0000", kKey);
  EXPECT_FALSE(zeros.substr(0, 2) == zeros.substr(2, 2) && zeros.substr(2, 2) == zeros.substr(4, 2));
  // The wrong key does not give the text back.
  EXPECT_NE(Criptografa::Uncripto(cipher, kKey + 1), serial);
}

TEST(Uncripto, TextThatIsNoCipherTextIsAClearError) {
  EXPECT_EQ(Criptografa::Uncripto("", kKey), "");
  for (const char* bad : {"A", "ABC", "AZ", "a0", "AB'C"}) {
    try {
      Criptografa::Uncripto(bad, kKey);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const mdx::Exception& e) {
      EXPECT_NE(AnsiString(e.what()).find("Texto cifrado inv"), AnsiString::npos) << e.what();
    }
  }
}

}  // namespace

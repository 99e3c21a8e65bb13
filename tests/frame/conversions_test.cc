#include <gtest/gtest.h>

#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {
namespace {

TEST(ConversionsTest, GetValueReadsPrinterAmounts) {
  mdx::FormatSettingsGuard guard;
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"000000012345", 123.45},
      {"  1.234,56  ", 1234.56},
      {"1,234.56", 1234.56},
      {"00000000001234567", 12345.67},
      {"000000000000", 0.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(GetValue(c.text), c.value) << c.text;
  mdx::FormatSettings().DecimalSeparator = '.';
  EXPECT_DOUBLE_EQ(GetValue("000000012345"), 123.45);
  for (const char* bad : {"", "12a45", "      "}) EXPECT_THROW(GetValue(bad), mdx::EConvertError) << bad;
}

TEST(ConversionsTest, FormataCNPJKeepsBareDigits) {
  EXPECT_EQ(FormataCNPJ("12.345.678/0001-95"), "12345678000195");
  EXPECT_EQ(FormataCNPJ("123.456.789-09"), "12345678909");
  EXPECT_EQ(FormataCNPJ(""), "");
}

TEST(ConversionsTest, StrToPCharGivesTerminatedCharacters) {
  mdx::AnsiString path = "C:\\Sweda\\x.txt";
  EXPECT_STREQ(StrToPChar(path), "C:\\Sweda\\x.txt");
  EXPECT_EQ(StrToPChar(path), path.c_str());
  // An empty text gets a terminated copy of its own, valid after the call.
  const char* empty = StrToPChar(mdx::AnsiString());
  ASSERT_NE(empty, nullptr);
  EXPECT_STREQ(empty, "");
}

}  // namespace
}  // namespace Mdx00200

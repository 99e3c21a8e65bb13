// The fiscal menu's Windows file names as the platform names them, and the
// check of host text that becomes part of a file name.
#include <gtest/gtest.h>

#include "fiscalmenu/file_paths.h"
#include "mdx00200/platform.h"
#include "support/fake_host.h"

namespace mdx::test {
namespace {

TEST(PlatformPathTest, MapsDrivesAndSeparatorsAndFindsFoldersWhateverTheirCase) {
  ScopedFakeHost host;
  const AnsiString root = host->Directory();  // the drive's root by default
#ifdef _WIN32
  EXPECT_EQ(Mdx00200::PlatformPath("C:\\Sweda\\RFD\\"), "C:\\Sweda\\RFD\\");
  EXPECT_EQ(Mdx00200::PlatformPath("c:\\sweda\\rfd\\SW1.txt"), "c:\\sweda\\rfd\\SW1.txt");
#else
  ASSERT_TRUE(platform::ForceDirectories(root + "Sweda/RFD"));
  struct Case {
    const char* windows;
    AnsiString platform;
  } cases[] = {
      {"C:\\Sweda", root + "Sweda"},
      {"c:\\sweda\\RFD\\", root + "Sweda/RFD/"},
      {"c:\\sweda\\rfd\\SW0001001.txt", root + "Sweda/RFD/SW0001001.txt"},
      {"C:\\Novo\\Sweda", root + "Novo/Sweda"},  // not there: kept as given
      {"D:\\x", root + "x"},
      {"/abs/Dados\\MenuFiscal\\a.txt", "/abs/Dados/MenuFiscal/a.txt"},
      {"MF_1.bin", "MF_1.bin"},
  };
  for (const Case& c : cases) EXPECT_EQ(Mdx00200::PlatformPath(c.windows), c.platform) << c.windows;
#endif
}

TEST(PlatformPathTest, ProgramDirectoryHasNoTrailingSeparator) {
  ScopedFakeHost host;
  const AnsiString folder = host->Directory();
  EXPECT_EQ(Mdx00200::ProgramDirectory() + folder.back(), folder);
}

TEST(SafeNameTest, RefusesWhatLeavesTheFolder) {
  for (const char* good : {"SW0000001", "   123", "01122026", "0001", "a.b"}) {
    EXPECT_TRUE(Mdx00200::IsSafeNamePart(good)) << good;
  }
  for (const char* bad : {"", "..", "a/b", "a\\b", "C:x", "..\\x", "a\tb", "a\x7f"}) {
    EXPECT_FALSE(Mdx00200::IsSafeNamePart(bad)) << bad;
  }
}

}  // namespace
}  // namespace mdx::test

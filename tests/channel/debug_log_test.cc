// The debug log while the package keeps writing to it: whatever happens to
// the file between two lines (removed, renamed, replaced), every line ends up
// in the file at the log's path, whole and in order.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "mdx00200/platform.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

class DebugLogTest : public PackageTest {
 protected:
  void Log(const AnsiString& text) { Op<LogFn>("ImpFisDebug")(text); }
};

TEST_F(DebugLogTest, LinesGoToTheFileAtThePathWhateverHappenedToIt) {
  const AnsiString moved = host_->Directory() + "moved.txt";
  const struct {
    const char* what;
    std::function<void(const AnsiString& path)> change;
    std::vector<AnsiString> expected;  // the log's lines afterwards
  } cases[] = {
      {"nothing", [](const AnsiString&) {}, {"first", "second"}},
      {"removed", [](const AnsiString& path) { std::filesystem::remove(path); }, {"second"}},
      {"renamed", [&](const AnsiString& path) { std::filesystem::rename(path, moved); }, {"second"}},
      {"replaced",
       [](const AnsiString& path) {
         std::filesystem::remove(path);
         std::ofstream(path, std::ios::binary) << "other\r\n";
       },
       {"other", "second"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(LogPath());
    std::filesystem::remove(moved);
    Log("first");
    c.change(LogPath());
    Log("second");
    EXPECT_EQ(LogTexts(), c.expected);
  }
}

TEST_F(DebugLogTest, ANewHostFolderGetsItsOwnLog) {
  Log("in the first folder");
  ScopedFakeHost other;
  Log("in the second folder");
  EXPECT_EQ(LogTexts(), std::vector<AnsiString>{"in the first folder"});
  EXPECT_TRUE(platform::FileExists(other.get().Directory() + "impdebug0124.txt"));
}

}  // namespace
}  // namespace mdx::test

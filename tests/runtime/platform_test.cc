#include "mdx00200/platform.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <filesystem>

#include "mdx00200/exceptions.h"

namespace mdx::platform {
namespace {

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = mdx::test::MakeTemporaryFolder("mdx_platform");
    std::filesystem::remove_all(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::filesystem::path folder_;
};

TEST_F(PlatformTest, FoldersAndFiles) {
  std::string deep = Path("a/b/c");
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(ForceDirectories(deep));  // already there
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(FileExists(deep));

  std::string file = Path("a/b/c/x.bin");
  WriteFileAtomically(file, std::string("\0\1\2", 3));
  EXPECT_TRUE(FileExists(file));
  EXPECT_EQ(ReadFile(file), std::string("\0\1\2", 3));
  EXPECT_FALSE(FileExists(file + ".tmp"));

  WriteFileAtomically(file, "new");
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_TRUE(RemoveFile(file));
  EXPECT_FALSE(RemoveFile(file));
  EXPECT_THROW(ReadFile(file), EInOutError);
}

TEST_F(PlatformTest, FailedWriteKeepsTheOldFile) {
  ASSERT_TRUE(ForceDirectories(folder_.string()));
  std::string file = Path("keep.cds");
  WriteFileAtomically(file, "old");
  // A folder where the temporary file must go makes the write fail.
  ASSERT_TRUE(ForceDirectories(file + ".tmp"));
  EXPECT_THROW(WriteFileAtomically(file, "new"), EInOutError);
  EXPECT_EQ(ReadFile(file), "old");
  EXPECT_THROW(WriteFileAtomically(Path("missing/x.cds"), "x"), EInOutError);
}

// The temporary file of a write is always a new file: what a crash left
// under its name is cleaned away, and a planted link is removed, never
// written through.
TEST_F(PlatformTest, TemporaryFileIsAlwaysNew) {
  ASSERT_TRUE(ForceDirectories(folder_.string()));
  const std::string file = Path("Vendora.cds");
  WriteFileAtomically(file + ".tmp", "left by a crash");
  WriteFileAtomically(file, "new");
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_FALSE(FileExists(file + ".tmp"));

#ifndef _WIN32
  const std::string victim = Path("victim.txt");
  WriteFileAtomically(victim, "keep me");
  std::filesystem::create_symlink(victim, file + ".tmp");
  WriteFileAtomically(file, "newer");
  EXPECT_EQ(ReadFile(victim), "keep me");
  EXPECT_EQ(ReadFile(file), "newer");
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(file)));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(file + ".tmp")));

  // A name that fits whose temporary name does not is a clear error, and
  // nothing is written.
  const std::string longName = Path(std::string(252, 'n'));
  try {
    WriteFileAtomically(longName, "x");
    ADD_FAILURE() << "no error for a temporary name past the limit";
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("too long for its temporary file"), std::string::npos)
        << e.what();
  }
  EXPECT_FALSE(FileExists(longName));
#endif
}

TEST_F(PlatformTest, MoveToNewNameNeverReplaces) {
  ASSERT_TRUE(ForceDirectories(folder_.string()));
  const std::string first = Path("first.txt"), second = Path("second.txt"), taken = Path("taken.txt");
  WriteFileAtomically(first, "1");
  WriteFileAtomically(taken, "earlier reading");
  EXPECT_FALSE(MoveToNewName(first, taken));
  EXPECT_EQ(ReadFile(first), "1");
  EXPECT_EQ(ReadFile(taken), "earlier reading");
  EXPECT_TRUE(MoveToNewName(first, second));
  EXPECT_FALSE(FileExists(first));
  EXPECT_EQ(ReadFile(second), "1");
  EXPECT_THROW(MoveToNewName(Path("missing.txt"), Path("other.txt")), EInOutError);
}

TEST_F(PlatformTest, LibrariesAndNames) {
#ifdef _WIN32
  EXPECT_EQ(LibraryFileName("SERSWEDA"), "SERSWEDA.dll");
  LibraryHandle kernel = OpenLibrary("kernel32.dll");
  ASSERT_NE(kernel, nullptr);
  EXPECT_NE(FindSymbol(kernel, "GetTickCount"), nullptr);
  EXPECT_EQ(FindSymbol(kernel, "NoSuchEntryPoint"), nullptr);
#else
  EXPECT_EQ(LibraryFileName("SERSWEDA"), "libSERSWEDA.so");
#endif
  EXPECT_EQ(OpenLibrary(LibraryFileName("mdx_no_such_library")), nullptr);
  EXPECT_NE(LastLibraryError(), "");
  EXPECT_EQ(FindSymbol(nullptr, "x"), nullptr);
}

TEST_F(PlatformTest, ExecutableDirectoryEndsWithSeparator) {
  AnsiString dir = ExecutableDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), PathDelimiter());
  EXPECT_TRUE(DirectoryExists(dir));
  EXPECT_EQ(IncludeTrailingPathDelimiter("x"), AnsiString("x") + PathDelimiter());
  EXPECT_EQ(IncludeTrailingPathDelimiter("x/"), "x/");
}

}  // namespace
}  // namespace mdx::platform

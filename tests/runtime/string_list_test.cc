#include "mdx00200/string_list.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <cstdio>
#include <filesystem>

#include "mdx00200/exceptions.h"

namespace mdx {
namespace {

TEST(StringListTest, AddIndexDeleteClear) {
  TStringList list;
  EXPECT_EQ(list.Add("one"), 0);
  EXPECT_EQ(list.Add("two"), 1);
  list.Insert(0, "zero");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list[0], "zero");
  EXPECT_EQ(list.IndexOf("TWO"), 2);
  list.Delete(1);
  EXPECT_EQ(list.Text(), "zero\r\ntwo\r\n");
  EXPECT_THROW(list.Delete(2), Exception);
  EXPECT_THROW(list[-1], Exception);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringListTest, TextSplitsOnEveryLineBreak) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[3], "d");
  list.SetText("a\r\n\r\n");
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[1], "");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringListTest, FileRoundTripAndMissingFile) {
  mdx::test::TemporaryFolder folder("mdx_string_list");
  auto path = folder.path() / "lines.txt";
  TStringList list;
  list.Add("linha \xE1");
  list.Add("");
  list.Add("fim");
  list.SaveToFile(path.string());
  TStringList read;
  read.LoadFromFile(path.string());
  EXPECT_EQ(read.Lines(), list.Lines());
  std::filesystem::remove(path);
  EXPECT_THROW(read.LoadFromFile(path.string()), EInOutError);
}

}  // namespace
}  // namespace mdx

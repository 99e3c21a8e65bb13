// TMessages: a message catalogue, an ordered list of "key|text" lines looked
// up by key without regard to case; when a key occurs twice the first line
// wins.
#pragma once

#include <vector>

#include "mdx00200/ansi_string.h"

namespace Kor_msg {

class TMessages {
 public:
  // Appends one line "key|text" (text may itself contain "|"). A line without
  // "|" is kept with an empty text.
  void AddLine(const mdx::AnsiString& line);
  void Add(const mdx::AnsiString& key, const mdx::AnsiString& text);
  // The text of the first line whose key matches (ASCII case-insensitive);
  // "" when no line matches.
  mdx::AnsiString Msg(const mdx::AnsiString& key) const;
  bool Contains(const mdx::AnsiString& key) const;
  int Count() const { return static_cast<int>(lines_.size()); }
  const mdx::AnsiString& KeyAt(int index) const { return lines_.at(index).key; }
  const mdx::AnsiString& TextAt(int index) const { return lines_.at(index).text; }

 private:
  struct Line {
    mdx::AnsiString key;
    mdx::AnsiString text;
  };
  std::vector<Line> lines_;
};

}  // namespace Kor_msg

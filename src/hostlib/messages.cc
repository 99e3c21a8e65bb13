// The message catalogue: ordered key|text lines, first match wins.
#include "mdx00200/messages.h"

namespace Kor_msg {

void TMessages::AddLine(const mdx::AnsiString& line) {
  size_t bar = line.find('|');
  if (bar == mdx::AnsiString::npos)
    Add(line, "");
  else
    Add(line.substr(0, bar), line.substr(bar + 1));
}

void TMessages::Add(const mdx::AnsiString& key, const mdx::AnsiString& text) { lines_.push_back({key, text}); }

mdx::AnsiString TMessages::Msg(const mdx::AnsiString& key) const {
  for (const Line& line : lines_)
    if (mdx::SameText(line.key, key)) return line.text;
  return "";
}

bool TMessages::Contains(const mdx::AnsiString& key) const {
  for (const Line& line : lines_)
    if (mdx::SameText(line.key, key)) return true;
  return false;
}

}  // namespace Kor_msg

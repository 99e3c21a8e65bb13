#include "mdx00200/string_list.h"

#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdx {

namespace {
[[noreturn]] void IndexError(int index) {
  throw Exception("List index out of bounds (" + IntToStr(index) + ")");
}
}  // namespace

int TStringList::Add(const AnsiString& line) {
  lines_.push_back(line);
  return Count() - 1;
}

void TStringList::Insert(int index, const AnsiString& line) {
  if (index < 0 || index > Count()) IndexError(index);
  lines_.insert(lines_.begin() + index, line);
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) IndexError(index);
  lines_.erase(lines_.begin() + index);
}

void TStringList::Clear() { lines_.clear(); }

int TStringList::IndexOf(const AnsiString& line) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(lines_[static_cast<size_t>(i)], line)) return i;
  }
  return -1;
}

const AnsiString& TStringList::operator[](int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
  return lines_[static_cast<size_t>(index)];
}

AnsiString& TStringList::operator[](int index) {
  if (index < 0 || index >= Count()) IndexError(index);
  return lines_[static_cast<size_t>(index)];
}

AnsiString TStringList::Text() const {
  AnsiString out;
  for (const AnsiString& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(const AnsiString& text) {
  lines_.clear();
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines_.push_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) lines_.push_back(text.substr(start));
}

void TStringList::LoadFromFile(const AnsiString& fileName) { SetText(platform::ReadFile(fileName)); }

void TStringList::SaveToFile(const AnsiString& fileName) const {
  platform::WriteFileAtomically(fileName, Text());
}

}  // namespace mdx

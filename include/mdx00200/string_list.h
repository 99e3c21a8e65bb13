// TStringList: an ordered list of text lines, with the platform's names.
#pragma once

#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx {

class TStringList {
 public:
  int Add(const AnsiString& line);  // returns the new line's index
  void Insert(int index, const AnsiString& line);
  void Delete(int index);           // raises Exception when out of range
  void Clear();
  int Count() const { return static_cast<int>(lines_.size()); }
  int IndexOf(const AnsiString& line) const;  // case-insensitive, -1 when absent

  const AnsiString& operator[](int index) const;  // raises Exception when out of range
  AnsiString& operator[](int index);
  const AnsiString& Strings(int index) const { return (*this)[index]; }

  // The lines each followed by CR LF; setting splits on CR LF, LF or CR.
  AnsiString Text() const;
  void SetText(const AnsiString& text);

  // Raises EInOutError naming the file when it cannot be read or written.
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName) const;

  const std::vector<AnsiString>& Lines() const { return lines_; }

 private:
  std::vector<AnsiString> lines_;
};

}  // namespace mdx

// The three small conversion helpers the operations share.
#include <array>

#include "mdx00200/format_settings.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/number_format.h"

namespace Mdx00200 {

double GetValue(const AnsiString& text) {
  AnsiString digits;
  for (char c : mdx::Trim(text)) {
    if (c != ',' && c != '.') digits += c;
  }
  // All but the last two characters are the integer part, the last two the
  // cents; a text of one or two characters has an empty integer part.
  size_t split = digits.size() >= 2 ? digits.size() - 2 : 0;
  AnsiString number =
      digits.substr(0, split) + mdx::FormatSettings().DecimalSeparator + digits.substr(split);
  return mdx::StrToFloat(number);
}

AnsiString FormataCNPJ(const AnsiString& text) {
  AnsiString out;
  for (char c : text) {
    if (c != '.' && c != '/' && c != '-') out += c;
  }
  return out;
}

const char* StrToPChar(const AnsiString& text) {
  // A non-empty text always carries its own terminating NUL; an empty one
  // gets a copy so the caller never receives a pointer into a temporary.
  static std::array<AnsiString, 8> slots;
  static size_t next = 0;
  if (!text.empty()) return text.c_str();
  AnsiString& slot = slots[next];
  next = (next + 1) % slots.size();
  slot = text;
  return slot.c_str();
}

}  // namespace Mdx00200

#include "emulator/visible_text.h"

#include <cstdio>

namespace mdx::emulator {

AnsiString Visible(std::string_view text) {
  AnsiString out;
  for (unsigned char c : text) {
    if (c == 0x1B) {
      out += "<ESC>";
    } else if (c == '\n') {
      out += "<LF>";
    } else if (c == '\r') {
      out += "<CR>";
    } else if (c < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "<x%02X>", static_cast<unsigned>(c));
      out += code;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace mdx::emulator

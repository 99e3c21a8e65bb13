#include "serial/frame_dump.h"

#include <cstdio>

#include "serial/reply_buffer.h"

namespace mdx::serial {

namespace {

void Line(std::string_view text) {
  std::fprintf(stderr, "SERSWEDA %.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
}

}  // namespace

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

void DumpFrame(std::string_view frame) { Line("> " + Visible(frame)); }

void DumpReply(const std::optional<AnsiString>& reply) {
  if (!reply) {
    Line("< no answer");
    return;
  }
  AnsiString line = "< " + Visible(*reply);
  if (reply->size() > static_cast<size_t>(kLongestReply)) {
    line += "  (" + std::to_string(reply->size()) + " characters, cut to 255)";
  }
  Line(line);
}

void DumpNote(std::string_view note) { Line(note); }

}  // namespace mdx::serial

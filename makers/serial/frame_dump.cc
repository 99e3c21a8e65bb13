#include "serial/frame_dump.h"

#include <cstdio>

#include "emulator/visible_text.h"
#include "serial/reply_buffer.h"

namespace mdx::serial {

namespace {

void Line(std::string_view text) {
  std::fprintf(stderr, "SERSWEDA %.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
}

}  // namespace

void DumpFrame(std::string_view frame) { Line("> " + emulator::Visible(frame)); }

void DumpReply(const std::optional<AnsiString>& reply) {
  if (!reply) {
    Line("< no answer");
    return;
  }
  AnsiString line = "< " + emulator::Visible(*reply);
  if (reply->size() > static_cast<size_t>(kLongestReply)) {
    line += "  (" + std::to_string(reply->size()) + " characters, cut to 255)";
  }
  Line(line);
}

void DumpNote(std::string_view note) { Line(note); }

}  // namespace mdx::serial

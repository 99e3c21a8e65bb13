#include "emulator/frame_parser.h"

namespace mdx::emulator {

namespace {
constexpr size_t kCodeLength = 2;
// ESC "." code "}"
constexpr size_t kShortestFrame = 2 + kCodeLength + 1;
}  // namespace

std::optional<Frame> ParseFrame(std::string_view text) {
  if (text.size() < kShortestFrame || text[0] != kEsc || text[1] != '.' || text.back() != '}') {
    return std::nullopt;
  }
  Frame frame;
  frame.code = AnsiString(text.substr(2, kCodeLength));
  frame.params = AnsiString(text.substr(2 + kCodeLength, text.size() - kShortestFrame));
  return frame;
}

std::string_view FrameBody(std::string_view text) {
  if (text.size() >= 2 && text[0] == kEsc && text[1] == '.') return text.substr(2);
  return text;
}

}  // namespace mdx::emulator

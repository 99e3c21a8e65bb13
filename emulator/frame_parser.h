// Reading a command frame: ESC "." + a 2-character code + parameters + "}".
// Codes are always two characters: "1151..." is "11" with "51...", "12N" is
// "12" with "N".
#pragma once

#include <optional>
#include <string_view>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

inline constexpr char kEsc = '\x1b';

struct Frame {
  AnsiString code;    // 2 characters
  AnsiString params;  // everything between the code and the final "}"
};

// nullopt when the text is not a frame (no ESC "." at the start, no "}" at
// the end, fewer than two code characters).
std::optional<Frame> ParseFrame(std::string_view text);

// The frame without its leading ESC "." (the whole text when it has none):
// what fault rules match against.
std::string_view FrameBody(std::string_view text);

}  // namespace mdx::emulator

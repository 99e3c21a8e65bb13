// Frames and replies made readable: control characters shown by name.
#pragma once

#include <string_view>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

// Text with ESC, LF and CR shown as <ESC>, <LF>, <CR> and other bytes below
// 0x20 as <xHH>.
AnsiString Visible(std::string_view text);

}  // namespace mdx::emulator

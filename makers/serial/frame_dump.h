// The frame dump of MDX_SERIAL_DEBUG=1: one line on stderr per frame and per
// reply, control characters made visible.
#pragma once

#include <optional>
#include <string_view>

#include "mdx00200/ansi_string.h"

namespace mdx::serial {

// Text with ESC, LF and CR shown as <ESC>, <LF>, <CR> and other bytes below
// 0x20 as <xHH>.
AnsiString Visible(std::string_view text);

// "SERSWEDA > " + the frame.
void DumpFrame(std::string_view frame);
// "SERSWEDA < " + the reply, with a note when it was cut to 255, or
// "SERSWEDA < no answer".
void DumpReply(const std::optional<AnsiString>& reply);
// "SERSWEDA " + a note (port opened, closed, refused).
void DumpNote(std::string_view note);

}  // namespace mdx::serial

// The frame dump of MDX_SERIAL_DEBUG=1: one line on stderr per frame and per
// reply, control characters made visible (emulator/visible_text.h).
#pragma once

#include <optional>
#include <string_view>

#include "mdx00200/ansi_string.h"

namespace mdx::serial {

// "SERSWEDA > " + the frame.
void DumpFrame(std::string_view frame);
// "SERSWEDA < " + the reply, with a note when it was cut to 255, or
// "SERSWEDA < no answer".
void DumpReply(const std::optional<AnsiString>& reply);
// "SERSWEDA " + a note (port opened, closed, refused).
void DumpNote(std::string_view note);

}  // namespace mdx::serial

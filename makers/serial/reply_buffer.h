// The maker's reply buffer: 256 bytes, byte 0 the length, the reply after it.
#pragma once

#include <string_view>

namespace mdx::serial {

inline constexpr int kReplyBufferSize = 256;
inline constexpr int kLongestReply = kReplyBufferSize - 1;

// Writes `text` into `buffer` (kReplyBufferSize bytes): byte 0 = its length,
// cut to kLongestReply, then the characters, then a NUL when there is room.
// Never writes past the buffer. Returns the length written.
int CopyReply(std::string_view text, unsigned char* buffer);

}  // namespace mdx::serial

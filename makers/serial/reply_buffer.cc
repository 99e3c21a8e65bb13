#include "serial/reply_buffer.h"

#include <cstring>

namespace mdx::serial {

int CopyReply(std::string_view text, unsigned char* buffer) {
  const size_t length =
      text.size() < static_cast<size_t>(kLongestReply) ? text.size() : kLongestReply;
  buffer[0] = static_cast<unsigned char>(length);
  if (length > 0) std::memcpy(buffer + 1, text.data(), length);
  if (length + 1 < static_cast<size_t>(kReplyBufferSize)) buffer[length + 1] = 0;
  return static_cast<int>(length);
}

}  // namespace mdx::serial

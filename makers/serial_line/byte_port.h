// A byte stream to the other end of the line, with every wait bounded by a
// deadline. The termios port implements it; the link layer only sees this.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace mdx::serial_line {

using Clock = std::chrono::steady_clock;

enum class ReadStatus {
  kData,     // some bytes came
  kTimeout,  // none before the deadline
  kHangUp,   // the other end is gone for good (a pseudo-terminal's printer ended)
  kError,    // the port failed
};

class BytePort {
 public:
  virtual ~BytePort() = default;
  // Writes all of `bytes`, or stops at the deadline. False when not all went.
  virtual bool Write(std::string_view bytes, Clock::time_point deadline) = 0;
  // Waits until bytes come or the deadline passes; appends what came to `out`.
  virtual ReadStatus Read(std::string& out, Clock::time_point deadline) = 0;
  // Throws away bytes received and not read yet.
  virtual void DiscardInput() = 0;
};

}  // namespace mdx::serial_line

// The exception family of the host platform's runtime. Every error raised by
// the runtime, the dataset or the host library is one of these, carrying a
// message text (Windows-1252 bytes).
#pragma once

#include <stdexcept>
#include <string>

namespace mdx {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// A text that does not convert to a number or a date.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A variant read as a type it cannot give (null as text, a text as a number).
class EVariantError : public Exception {
 public:
  using Exception::Exception;
};

// A dataset used in a wrong state, a missing field, a damaged data packet.
class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be read, written, created or renamed.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace mdx

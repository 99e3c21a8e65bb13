// The printer's side of the link: finds the command frames in the bytes
// from the line, hands each new command to the printer once, and answers a
// repeated one (same number, same command: the till did not get the reply)
// with the reply it gave, without executing it again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "serial_line/link_frame.h"

namespace mdx::serial_line {

struct ResponderStats {
  size_t executed = 0;  // commands handed to the printer
  size_t repeats = 0;   // repeated commands answered from memory
  size_t syncs = 0;     // sessions started
};

class LinkResponder {
 public:
  // The printer: the reply to a command, nullopt for no answer.
  using Printer = std::function<std::optional<std::string>(const std::string& command)>;
  explicit LinkResponder(Printer printer);

  // Takes the next bytes from the line; returns the bytes to send back (the
  // reply frames of the commands they completed).
  std::string Feed(std::string_view bytes);

  const ResponderStats& Stats() const { return stats_; }
  size_t Rejected() const { return decoder_.Rejected(); }

 private:
  std::string Answer(const LinkFrame& frame);

  Printer printer_;
  FrameDecoder decoder_;
  bool remembered_ = false;
  uint16_t lastSequence_ = 0;
  std::string lastCommand_;
  std::string lastReply_;  // the reply frame's bytes
  ResponderStats stats_;
};

}  // namespace mdx::serial_line

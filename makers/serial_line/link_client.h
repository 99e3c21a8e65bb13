// The till's side of the link: one command at a time, each in a numbered
// link frame, waiting for the reply of the same number with a timeout and
// sending the same frame again a bounded number of times. The printer's side
// (link_responder.h) answers a repeated number from memory, so a command
// that is sent again is never executed twice.
//
// A session (from the port's opening) starts with a sync frame that makes
// the printer forget the last command of an earlier session, whose number
// the new one could reuse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "serial_line/byte_port.h"
#include "serial_line/link_frame.h"

namespace mdx::serial_line {

struct LinkSettings {
  int timeoutMs = 2000;  // the wait for one reply
  int retries = 2;       // sends of the same frame after the first
};

struct LinkStats {
  size_t exchanges = 0;  // commands handed to Exchange
  size_t sends = 0;      // link frames written, syncs and retries included
  size_t retries = 0;    // frames written again after a timeout or a damaged reply
  size_t rejected = 0;   // damaged frames received
  size_t timeouts = 0;   // waits that ended with nothing that checked
  size_t unanswered = 0; // exchanges that ended with no answer
  size_t bytesSent = 0;
  size_t bytesReceived = 0;
};

class LinkClient {
 public:
  using NoteSink = std::function<void(const std::string&)>;
  // The port must outlive the client. `note` (may be empty) hears about
  // retries, hang-ups and exchanges given up.
  LinkClient(BytePort& port, LinkSettings settings, NoteSink note = {});

  // Sends one command frame of the package and returns the printer's reply;
  // nullopt when the printer gave no answer or none came through after every
  // try. Every wait is bounded: at most (retries + 1) timeouts for a command,
  // as many again for the sync at the start of a session.
  std::optional<std::string> Exchange(std::string_view command);

  // The next exchange starts a new session.
  void NewSession() { synced_ = false; }

  const LinkStats& Stats() const { return stats_; }

 private:
  enum class Outcome { kFrame, kSilent, kLineDown };
  // Sends `request` until a frame of its number and of kind `a` or `b` comes.
  Outcome Transact(const LinkFrame& request, FrameKind a, FrameKind b, LinkFrame& answer);
  uint16_t NextSequence();

  BytePort& port_;
  LinkSettings settings_;
  NoteSink note_;
  FrameDecoder decoder_;
  uint16_t sequence_ = 0;
  bool synced_ = false;
  LinkStats stats_;
};

}  // namespace mdx::serial_line

#include "serial_line/link_client.h"

namespace mdx::serial_line {

LinkClient::LinkClient(BytePort& port, LinkSettings settings, NoteSink note)
    : port_(port), settings_(settings), note_(std::move(note)) {
  if (settings_.timeoutMs < 1) settings_.timeoutMs = 1;
  if (settings_.retries < 0) settings_.retries = 0;
}

uint16_t LinkClient::NextSequence() {
  sequence_ = static_cast<uint16_t>(sequence_ + 1);
  return sequence_;
}

LinkClient::Outcome LinkClient::Transact(const LinkFrame& request, FrameKind a, FrameKind b,
                                         LinkFrame& answer) {
  const std::string wire = EncodeFrame(request);
  // Bytes left over from earlier exchanges (late replies, noise) are of no use.
  port_.DiscardInput();
  decoder_.Reset();
  for (int attempt = 0; attempt <= settings_.retries; ++attempt) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(settings_.timeoutMs);
    if (attempt > 0) {
      ++stats_.retries;
      if (note_) {
        note_("line: try " + std::to_string(attempt + 1) + " of frame " + std::to_string(request.sequence));
      }
    }
    ++stats_.sends;
    if (!port_.Write(wire, deadline)) {
      ++stats_.timeouts;
      continue;
    }
    stats_.bytesSent += wire.size();
    const size_t rejectedBefore = decoder_.Rejected();
    bool again = false;
    while (!again) {
      // A line that never stops sending garbage still ends at the deadline.
      if (Clock::now() >= deadline) {
        ++stats_.timeouts;
        break;
      }
      std::string bytes;
      const ReadStatus status = port_.Read(bytes, deadline);
      if (status == ReadStatus::kHangUp || status == ReadStatus::kError) {
        if (note_) note_(status == ReadStatus::kHangUp ? "line: the other end hung up" : "line: the port failed");
        return Outcome::kLineDown;
      }
      if (status == ReadStatus::kTimeout) {
        ++stats_.timeouts;
        break;
      }
      stats_.bytesReceived += bytes.size();
      for (LinkFrame& frame : decoder_.Feed(bytes)) {
        // A reply to an earlier frame (a late one) is skipped.
        if (frame.sequence == request.sequence && (frame.kind == a || frame.kind == b)) {
          stats_.rejected += decoder_.Rejected() - rejectedBefore;
          answer = std::move(frame);
          return Outcome::kFrame;
        }
      }
      // A damaged frame: the reply will not come whole, so send again now
      // rather than at the timeout. The printer answers a repeat from memory.
      if (decoder_.Rejected() != rejectedBefore) again = true;
    }
    stats_.rejected += decoder_.Rejected() - rejectedBefore;
  }
  return Outcome::kSilent;
}

std::optional<std::string> LinkClient::Exchange(std::string_view command) {
  ++stats_.exchanges;
  LinkFrame answer;
  if (!synced_) {
    const LinkFrame sync{NextSequence(), FrameKind::kSync, {}};
    const Outcome outcome = Transact(sync, FrameKind::kSynced, FrameKind::kSynced, answer);
    if (outcome != Outcome::kFrame) {
      ++stats_.unanswered;
      if (note_) note_("line: no printer answers");
      return std::nullopt;
    }
    synced_ = true;
  }
  const LinkFrame request{NextSequence(), FrameKind::kCommand, std::string(command)};
  const Outcome outcome = Transact(request, FrameKind::kReply, FrameKind::kNoAnswer, answer);
  if (outcome != Outcome::kFrame) {
    ++stats_.unanswered;
    if (note_ && outcome == Outcome::kSilent) {
      note_("line: no reply to frame " + std::to_string(request.sequence) + " after every try");
    }
    return std::nullopt;
  }
  if (answer.kind == FrameKind::kNoAnswer) {
    ++stats_.unanswered;
    return std::nullopt;
  }
  return std::move(answer.payload);
}

}  // namespace mdx::serial_line

#include "serial_line/link_responder.h"

namespace mdx::serial_line {

LinkResponder::LinkResponder(Printer printer) : printer_(std::move(printer)) {}

std::string LinkResponder::Answer(const LinkFrame& frame) {
  switch (frame.kind) {
    case FrameKind::kSync:
      ++stats_.syncs;
      remembered_ = false;
      lastCommand_.clear();
      lastReply_.clear();
      return EncodeFrame({frame.sequence, FrameKind::kSynced, {}});
    case FrameKind::kCommand: {
      if (remembered_ && frame.sequence == lastSequence_ && frame.payload == lastCommand_) {
        ++stats_.repeats;
        return lastReply_;
      }
      ++stats_.executed;
      const std::optional<std::string> reply = printer_(frame.payload);
      const LinkFrame answer = reply ? LinkFrame{frame.sequence, FrameKind::kReply, *reply}
                                     : LinkFrame{frame.sequence, FrameKind::kNoAnswer, {}};
      remembered_ = true;
      lastSequence_ = frame.sequence;
      lastCommand_ = frame.payload;
      lastReply_ = EncodeFrame(answer);
      return lastReply_;
    }
    default:
      // Printer-side kinds coming back (an echo on the line): not ours.
      return {};
  }
}

std::string LinkResponder::Feed(std::string_view bytes) {
  std::string out;
  for (const LinkFrame& frame : decoder_.Feed(bytes)) out += Answer(frame);
  return out;
}

}  // namespace mdx::serial_line

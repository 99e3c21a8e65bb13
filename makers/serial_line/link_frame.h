// A link frame on the serial line, and the decoder that finds them in the
// bytes a port delivers.
//
// On the wire:  STX  body  ETX
//   body = SEQ(2) KIND(1) LEN(2) PAYLOAD(LEN) CRC(2), big-endian numbers;
//   CRC  = Crc16 of SEQ, KIND, LEN and PAYLOAD;
//   any STX (0x02), ETX (0x03) or DLE (0x10) inside the body is sent as DLE
//   followed by the byte XOR 0x20, so STX and ETX only ever mark frames.
// The receiver drops whatever does not check (a wrong length or checksum, a
// frame cut by a new STX, bytes outside frames) and starts again at the next
// STX.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mdx::serial_line {

inline constexpr unsigned char kStx = 0x02;
inline constexpr unsigned char kEtx = 0x03;
inline constexpr unsigned char kDle = 0x10;
inline constexpr size_t kLongestPayload = 0xFFFF;

enum class FrameKind : unsigned char {
  kCommand = 'C',   // till -> printer: a command frame of the package
  kReply = 'R',     // printer -> till: the printer's reply
  kNoAnswer = 'N',  // printer -> till: the printer gave no reply
  kSync = 'S',      // till -> printer: a new session starts; forget the last command
  kSynced = 'A',    // printer -> till: the session is started
};

struct LinkFrame {
  uint16_t sequence = 0;
  FrameKind kind = FrameKind::kCommand;
  std::string payload;
  bool operator==(const LinkFrame&) const = default;
};

// The frame's bytes on the wire. The payload is cut to kLongestPayload.
std::string EncodeFrame(const LinkFrame& frame);

class FrameDecoder {
 public:
  // Takes the next bytes from the line and returns the frames they complete,
  // in order. A frame may be split over any number of calls.
  std::vector<LinkFrame> Feed(std::string_view bytes);

  // Frames that reached their ETX but did not check, since the start.
  size_t Rejected() const { return rejected_; }
  // Forgets a frame in progress (the port was flushed).
  void Reset();

 private:
  void Finish(std::vector<LinkFrame>& frames);

  bool inFrame_ = false;
  bool escaped_ = false;
  bool damaged_ = false;  // an escape that no sender writes
  std::string body_;  // unstuffed
  size_t rejected_ = 0;
};

}  // namespace mdx::serial_line

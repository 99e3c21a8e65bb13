#include "serial_line/link_frame.h"

#include "serial_line/crc16.h"

namespace mdx::serial_line {

namespace {

constexpr size_t kHeaderSize = 5;   // SEQ KIND LEN
constexpr size_t kTrailerSize = 2;  // CRC

void PutWord(std::string& out, uint16_t value) {
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value & 0xFF);
}

uint16_t Word(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>((static_cast<unsigned char>(bytes[at]) << 8) |
                               static_cast<unsigned char>(bytes[at + 1]));
}

bool KnownKind(unsigned char kind) {
  switch (static_cast<FrameKind>(kind)) {
    case FrameKind::kCommand:
    case FrameKind::kReply:
    case FrameKind::kNoAnswer:
    case FrameKind::kSync:
    case FrameKind::kSynced:
      return true;
  }
  return false;
}

}  // namespace

std::string EncodeFrame(const LinkFrame& frame) {
  const std::string_view payload =
      std::string_view(frame.payload).substr(0, kLongestPayload);
  std::string body;
  body.reserve(kHeaderSize + payload.size() + kTrailerSize);
  PutWord(body, frame.sequence);
  body += static_cast<char>(frame.kind);
  PutWord(body, static_cast<uint16_t>(payload.size()));
  body += payload;
  PutWord(body, Crc16(body));

  std::string wire;
  wire.reserve(body.size() + body.size() / 8 + 2);
  wire += static_cast<char>(kStx);
  for (const char c : body) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == kStx || byte == kEtx || byte == kDle) {
      wire += static_cast<char>(kDle);
      wire += static_cast<char>(byte ^ 0x20);
    } else {
      wire += c;
    }
  }
  wire += static_cast<char>(kEtx);
  return wire;
}

void FrameDecoder::Reset() {
  inFrame_ = false;
  escaped_ = false;
  damaged_ = false;
  body_.clear();
}

void FrameDecoder::Finish(std::vector<LinkFrame>& frames) {
  const std::string_view body = body_;
  const bool fits = !damaged_ && body.size() >= kHeaderSize + kTrailerSize && !escaped_ &&
                    Word(body, 3) == body.size() - kHeaderSize - kTrailerSize &&
                    KnownKind(static_cast<unsigned char>(body[2])) &&
                    Crc16(body.substr(0, body.size() - kTrailerSize)) == Word(body, body.size() - kTrailerSize);
  if (fits) {
    LinkFrame frame;
    frame.sequence = Word(body, 0);
    frame.kind = static_cast<FrameKind>(body[2]);
    frame.payload = std::string(body.substr(kHeaderSize, body.size() - kHeaderSize - kTrailerSize));
    frames.push_back(std::move(frame));
  } else {
    ++rejected_;
  }
  Reset();
}

std::vector<LinkFrame> FrameDecoder::Feed(std::string_view bytes) {
  std::vector<LinkFrame> frames;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == kStx) {
      // A new frame starts; one still open was cut short.
      if (inFrame_) ++rejected_;
      Reset();
      inFrame_ = true;
    } else if (!inFrame_) {
      // Noise between frames.
    } else if (byte == kEtx) {
      Finish(frames);
    } else if (escaped_) {
      const auto original = static_cast<unsigned char>(byte ^ 0x20);
      // Only the three marked bytes are ever escaped: anything else is damage.
      if (original != kStx && original != kEtx && original != kDle) damaged_ = true;
      body_ += static_cast<char>(original);
      escaped_ = false;
    } else if (byte == kDle) {
      escaped_ = true;
    } else {
      body_ += c;
    }
    if (inFrame_ && body_.size() > kHeaderSize + kLongestPayload + kTrailerSize) {
      // Longer than any frame can be: its ETX was lost.
      ++rejected_;
      Reset();
    }
  }
  return frames;
}

}  // namespace mdx::serial_line

// The link frames as the decoder finds them in what a port delivers: whole
// frames, damaged ones, noise, frames split or packed together; and the
// bytes that must be escaped inside a frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "serial_line/crc16.h"
#include "serial_line/link_frame.h"

namespace mdx::serial_line {
namespace {

const LinkFrame kStatus{7, FrameKind::kCommand, "\x1b.23}"};
const LinkFrame kReply{7, FrameKind::kReply, ".+0000"};

std::string Wire(const LinkFrame& frame) { return EncodeFrame(frame); }

// The wire bytes of `frame` with the byte at `at` replaced.
std::string WithByte(const LinkFrame& frame, size_t at, char byte) {
  std::string wire = Wire(frame);
  wire[at] = byte;
  return wire;
}

TEST(LinkCodecTest, KnownChecksum) {
  // CRC-16/CCITT-FALSE's check value.
  EXPECT_EQ(Crc16("123456789"), 0x29B1);
}

TEST(LinkCodecTest, FramesFoundInTheBytesOfTheLine) {
  const std::string status = Wire(kStatus);
  const std::string reply = Wire(kReply);
  struct Case {
    const char* what;
    std::vector<std::string> reads;  // what each read of the port delivered
    std::vector<LinkFrame> frames;
    size_t rejected;
  } cases[] = {
      {"a good frame", {status}, {kStatus}, 0},
      {"a checksum that does not check", {WithByte(kStatus, status.size() - 2, 'x')}, {}, 1},
      {"a payload byte changed", {WithByte(kStatus, 8, 'X')}, {}, 1},
      {"a length that does not match", {WithByte(kStatus, 5, '\x09')}, {}, 1},
      {"an unknown kind", {WithByte(kStatus, 3, 'Z')}, {}, 1},
      {"truncated: no end byte", {status.substr(0, status.size() - 1)}, {}, 0},
      {"truncated, then the next frame", {status.substr(0, 6) + reply}, {kReply}, 1},
      {"garbage before a start byte", {"\x7f\x10\x03garbage" + status}, {kStatus}, 0},
      {"garbage after the end byte", {status + "\x03\x41\xff"}, {kStatus}, 0},
      {"two frames in one read", {status + reply}, {kStatus, kReply}, 0},
      {"a frame split across reads", {status.substr(0, 4), status.substr(4)}, {kStatus}, 0},
      {"one byte a read", {}, {kStatus}, 0},
      {"an end byte alone", {"\x03"}, {}, 0},
      {"an empty frame", {"\x02\x03"}, {}, 1},
      {"an escape of a byte never escaped", {WithByte(kStatus, 8, '\x10')}, {}, 1},
  };
  // "one byte a read": the frame delivered byte by byte.
  for (const char c : status) cases[11].reads.push_back(std::string(1, c));

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameDecoder decoder;
    std::vector<LinkFrame> found;
    for (const std::string& read : c.reads) {
      for (LinkFrame& frame : decoder.Feed(read)) found.push_back(std::move(frame));
    }
    EXPECT_EQ(found, c.frames);
    EXPECT_EQ(decoder.Rejected(), c.rejected);
  }
}

TEST(LinkCodecTest, EverySingleBitFlipIsDropped) {
  // A command with bytes that need escaping and the reply to it: no flip of
  // one bit anywhere in them gives a frame.
  for (const LinkFrame& original :
       {LinkFrame{0x0203, FrameKind::kCommand, "\x1b.080A\x02\x03\x10Z}"}, kReply}) {
    const std::string wire = Wire(original);
    for (size_t at = 0; at < wire.size(); ++at) {
      for (int bit = 0; bit < 8; ++bit) {
        std::string damaged = wire;
        damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
        FrameDecoder decoder;
        EXPECT_TRUE(decoder.Feed(damaged).empty()) << "byte " << at << " bit " << bit;
        // The decoder is ready for the next frame.
        EXPECT_EQ(decoder.Feed(wire), std::vector<LinkFrame>{original});
      }
    }
  }
}

TEST(LinkCodecTest, EveryDroppedByteIsNoticed) {
  const std::string wire = Wire(kReply);
  for (size_t at = 0; at < wire.size(); ++at) {
    std::string shorter = wire;
    shorter.erase(at, 1);
    FrameDecoder decoder;
    EXPECT_TRUE(decoder.Feed(shorter).empty()) << "byte " << at;
  }
}

TEST(LinkCodecTest, AnyPayloadComesThroughWhole) {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  const std::string longest(kLongestPayload, '\x02');
  struct Case {
    const char* what;
    LinkFrame frame;
  } cases[] = {
      {"every byte value", {0xFFFF, FrameKind::kReply, everyByte}},
      {"marker bytes in the sequence and the length", {0x1002, FrameKind::kReply, std::string(0x0310, 'a')}},
      {"empty: no answer", {1, FrameKind::kNoAnswer, ""}},
      {"the longest payload, all start bytes", {2, FrameKind::kReply, longest}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string wire = Wire(c.frame);
    // Start and end bytes only mark the frame.
    EXPECT_EQ(wire.find('\x02', 1), std::string::npos);
    EXPECT_EQ(wire.find('\x03'), wire.size() - 1);
    FrameDecoder decoder;
    EXPECT_EQ(decoder.Feed(wire), std::vector<LinkFrame>{c.frame});
  }
  // A longer payload is cut to the longest a frame carries.
  FrameDecoder decoder;
  const std::vector<LinkFrame> cut = decoder.Feed(Wire({3, FrameKind::kReply, longest + "xyz"}));
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].payload, longest);
}

}  // namespace
}  // namespace mdx::serial_line

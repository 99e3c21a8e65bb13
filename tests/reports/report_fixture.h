// ReportTest: the package and the virtual printer (PackageTest), with every
// frame the package sends recorded on its way to the printer, and the
// operations of the report, cancellation and TEF areas resolved by name.
//
// The recorder is a send entry installed in SwedaEnviaComando: it keeps the
// frame (without ESC) and hands it on to the serial substitute. Frames whose
// command starts with a prefix given to Accept() get ".+0000" instead, for
// commands the virtual printer does not offer yet.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "mdx00200/maker_entry_points.h"
#include "mdx00200/string_list.h"
#include "mdx00200/variant.h"
#include "support/package_fixture.h"

namespace mdx::test {

using Text = const AnsiString&;

class FrameRecorder {
 public:
  static FrameRecorder& Instance() {
    static FrameRecorder instance;
    return instance;
  }
  void Reset(TSwedaEnviaComando next) {
    next_ = next;
    frames.clear();
    accepted.clear();
  }
  static int MDX_STDCALL Send(const char* frame, unsigned char* reply) {
    return Instance().Exchange(frame, reply);
  }

  std::vector<AnsiString> frames;
  std::vector<AnsiString> accepted;

 private:
  int Exchange(const char* frame, unsigned char* reply) {
    const AnsiString command = std::strlen(frame) > 2 ? AnsiString(frame + 2) : AnsiString();
    frames.push_back(std::strlen(frame) > 1 ? AnsiString(frame + 1) : AnsiString(frame));
    for (const AnsiString& prefix : accepted) {
      if (command.compare(0, prefix.size(), prefix) != 0) continue;
      const char ok[] = ".+0000";
      reply[0] = sizeof ok - 1;
      std::memcpy(reply + 1, ok, sizeof ok);
      return 1;
    }
    return next_ ? next_(frame, reply) : 0;
  }
  TSwedaEnviaComando next_ = nullptr;
};

class ReportTest : public PackageTest {
 protected:
  void SetUp() override {
    PackageTest::SetUp();
    void*& entry = Package().Global<void*>("SwedaEnviaComando");
    Recorder().Reset(reinterpret_cast<TSwedaEnviaComando>(entry));
    entry = reinterpret_cast<void*>(&FrameRecorder::Send);
    Package().Global<WideString>("stAuxTextoMdx200").clear();
  }

  static FrameRecorder& Recorder() { return FrameRecorder::Instance(); }
  // The frames sent so far, without ESC (".13S}", ".080text}", ...).
  const std::vector<AnsiString>& Frames() { return Recorder().frames; }
  void ForgetFrames() { Recorder().frames.clear(); }
  // Frames of `command` (".08", ".12", ...) only.
  std::vector<AnsiString> FramesOf(const AnsiString& command) {
    std::vector<AnsiString> found;
    for (const AnsiString& frame : Frames())
      if (frame.compare(0, command.size(), command) == 0) found.push_back(frame);
    return found;
  }
  // The text of each "08" + "0" frame.
  std::vector<AnsiString> TextBlocks() {
    std::vector<AnsiString> blocks;
    for (const AnsiString& frame : FramesOf(".080")) blocks.push_back(frame.substr(4, frame.size() - 5));
    return blocks;
  }

  bool& ClieUtil() { return Package().Global<bool>("boClieUtil"); }
  WideString& TextBuffer() { return Package().Global<WideString>("stAuxTextoMdx200"); }

  // Opens a fiscal coupon with one item of 1,00 paid in cash (payment
  // position 01) and closes it, so a linked receipt can follow.
  void SellOneItemInCash() {
    ASSERT_TRUE(Send("17", {""}, true, false));
    ASSERT_TRUE(Send("01", {"0000000000001", "0001000", "000000100", "000000000100",
                            "PRODUTO                 ", "T01"},
                     true, false));
    ASSERT_TRUE(Send("10", {"01", "000000000100"}, true, false));
    ASSERT_TRUE(Send("12", {"N", "0", AnsiString(40, '-')}, true, false));
    ForgetFrames();
  }
};

}  // namespace mdx::test

// Host text on its way into a frame: what the package hands to the serial
// library, caught at the library's send entry.
#include <gtest/gtest.h>

#include <cstring>

#include "mdx00200/maker_entry_points.h"
#include "mdx00200/variant.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

const AnsiString kEsc = "\x1B";

// Records every frame handed to the send entry, then passes it on.
struct FrameRecorder {
  static FrameRecorder& Instance() {
    static FrameRecorder recorder;
    return recorder;
  }
  static int MDX_STDCALL Send(const char* frame, unsigned char* reply) {
    Instance().frames.emplace_back(frame, std::strlen(frame));
    return Instance().next ? Instance().next(frame, reply) : 0;
  }
  TSwedaEnviaComando next = nullptr;
  std::vector<AnsiString> frames;
};

class HostTextTest : public PackageTest {
 protected:
  void SetUp() override {
    PackageTest::SetUp();
    void*& entry = Package().Global<void*>("SwedaEnviaComando");
    Recorder().next = reinterpret_cast<TSwedaEnviaComando>(entry);
    Recorder().frames.clear();
    entry = reinterpret_cast<void*>(&FrameRecorder::Send);
  }
  void TearDown() override {
    Package().Global<void*>("SwedaEnviaComando") = reinterpret_cast<void*>(Recorder().next);
    PackageTest::TearDown();
  }
  static FrameRecorder& Recorder() { return FrameRecorder::Instance(); }
};

// No byte the printer could read as control goes out; blanks keep the
// fixed-width fields where they were. Line ends stay in the commands whose
// text is made of lines.
TEST_F(HostTextTest, ControlBytesNeverReachTheLibrary) {
  struct Case {
    const char* what;
    AnsiString code;
    std::vector<AnsiString> params;
    AnsiString sent;  // what follows ESC "." and the wire code, "}" included
  } cases[] = {
      {"a NUL no longer cuts the frame", "17", {AnsiString("123\0" "456", 7)}, "123 456}"},
      {"an ESC frame inside a name", "01", {"CAFE\x1B.05}X"}, "CAFE .05}X}"},
      {"CR, LF, TAB and DEL in a fixed field", "17", {"A\rB\nC\tD\x7F" "E"}, "A B C D E}"},
      {"every other control byte", "17", {"\x01\x02\x1F"}, "   }"},
      {"1252 letters are text", "17", {"A\xE7\xE3o\x80\x9F"}, "A\xE7\xE3o\x80\x9F}"},
      {"report text keeps its line ends", "08", {"0", "L1\n\rL2\n\r\x1B.05}"},
       "0L1\n\rL2\n\r .05}}"},
      {"footer lines keep theirs", "12SN", {"0", "PARAIBA\n\rLEGAL", "0", AnsiString("x\0y", 3)},
       "0PARAIBA\n\rLEGAL0x y}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Recorder().frames.clear();
    Send(c.code, c.params, true, false);
    ASSERT_EQ(Recorder().frames.size(), 1u);
    const AnsiString wire = c.code == "12SN" ? "12N" : c.code;
    EXPECT_EQ(Recorder().frames[0], kEsc + "." + wire + c.sent);
  }
}

// A text longer than a frame can carry is refused with a clear message and
// nothing is sent; a frame of exactly the longest size goes out.
TEST_F(HostTextTest, TextPastTheLongestFrameIsRefused) {
  constexpr size_t kLongest = 4096;
  const size_t overhead = 5;  // ESC "." "08" ... "}"
  NUtilTaa() = true;
  EXPECT_TRUE(Send("13", {"S"}, true, false));
  Recorder().frames.clear();
  EXPECT_TRUE(Send("08", {"0", AnsiString(kLongest - overhead - 1, 'w')}, true, false));
  ASSERT_EQ(Recorder().frames.size(), 1u);
  EXPECT_EQ(Recorder().frames[0].size(), kLongest);

  for (size_t length : {kLongest - overhead, size_t{100000}}) {
    Recorder().frames.clear();
    host_->dialogs.clear();
    EXPECT_FALSE(Send("08", {"0", AnsiString(length, 'w')}, true, false));
    EXPECT_TRUE(Recorder().frames.empty());
    ASSERT_EQ(host_->dialogs.size(), 1u);
    EXPECT_NE(host_->dialogs[0].text.find("4096"), AnsiString::npos) << host_->dialogs[0].text;
    EXPECT_EQ(LogTexts().back().rfind("ERRO!!! Texto longo demais", 0), 0u);
    EXPECT_EQ(SwedaRet(), "");
  }
}

// An operation that puts host text in a frame: a 100,000-byte tax id is
// refused, not sent as a 100,003-byte "17"; one with control bytes opens the
// coupon with blanks in their place.
TEST_F(HostTextTest, CouponOpeningWithHostileTaxIds) {
  using RecordFn = bool (*)(Variant&);
  auto opening = [](const AnsiString& taxId) {
    std::vector<Variant> items;
    const std::pair<const char*, Variant> pairs[] = {
        {"ESQUEMACOR", "007"}, {"INTTEFERRO", 0},         {"INCLUICPF", taxId},
        {"INCLUINOME", ""},    {"INCLUIENDERECO", ""},    {"CUPNR", ""},
        {"CONTCUPOM", ""},     {"IDUTILTEF", "N"},        {"UTILTEF", false}};
    for (const auto& [name, value] : pairs) items.push_back(VarArrayOf({name, value}));
    return Variant::ArrayOf(items);
  };
  Variant huge = opening(AnsiString(100000, '1'));
  EXPECT_FALSE(Op<RecordFn>("AbreCupom")(huge));
  for (const AnsiString& frame : Recorder().frames) {
    EXPECT_LE(frame.size(), 4096u);
    EXPECT_NE(frame.substr(0, 4), kEsc + ".17") << frame.substr(0, 40);
  }
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  Recorder().frames.clear();

  Variant hostile = opening(AnsiString("123\0\x1B.05}", 9));
  EXPECT_TRUE(Op<RecordFn>("AbreCupom")(hostile));
  ASSERT_FALSE(Recorder().frames.empty());
  EXPECT_EQ(Recorder().frames[0], kEsc + ".17123  .05}}");
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kFiscalCoupon);
}

}  // namespace
}  // namespace mdx::test

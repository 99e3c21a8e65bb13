#include "emulator/frame_parser.h"

#include <gtest/gtest.h>

#include "printer_fixture.h"

namespace mdx::emulator {
namespace {

TEST(FrameParserTest, SplitsTheTwoCharacterCodeFromItsParameters) {
  struct Case {
    const char* frame;
    const char* code;
    const char* params;
  };
  const Case cases[] = {
      {"\x1b.28}", "28", ""},
      {"\x1b.271}", "27", "1"},
      {"\x1b.1151000000000000100N}", "11", "51000000000000100N"},
      {"\x1b.12N}", "12", "N"},
      // Text keeps its line ends and may hold "}" itself; only the last one ends the frame.
      {"\x1b.080A}\n\rB}", "08", "0A}\n\rB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame + 1);
    std::optional<Frame> frame = ParseFrame(c.frame);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->code, c.code);
    EXPECT_EQ(frame->params, c.params);
  }
}

TEST(FrameParserTest, RejectsWhatIsNotAFrame) {
  for (const char* text : {"", "\x1b.", "\x1b.}", "\x1b.2}", ".28}", "\x1b" "28}", "\x1b.28",
                           "\x1b.28}\r", "\x1b,28}"}) {
    EXPECT_FALSE(ParseFrame(text).has_value()) << "'" << text << "'";
  }
}

TEST(FrameParserTest, BodyIsWhatFollowsEscDot) {
  EXPECT_EQ(FrameBody("\x1b.271}"), "271}");
  EXPECT_EQ(FrameBody("garbage"), "garbage");
  EXPECT_EQ(FrameBody(""), "");
}

using test::PrinterTest;
using RefusalTest = PrinterTest;

TEST_F(RefusalTest, MalformedFramesAndUnknownCodesAreRefusedWithTheirCodes) {
  struct Case {
    AnsiString frame;
    const char* reply;
  };
  const Case cases[] = {
      {"", ".-E001"},
      {"28}", ".-E001"},
      {"\x1b.28", ".-E001"},
      {"\x1b.}", ".-E001"},
      {"\x1b.99}", ".-E002"},
      {"\x1b.11}", ".-E002"},  // "11" is only known with "51"
      {"\x1b.20}", ".-E002"},
      {"\x1b.23X}", ".-E003"},
      {"\x1b.28X}", ".-E003"},
      {"\x1b.251}", ".-E003"},
      {"\x1b.05X}", ".-E003"},
      {"\x1b.13}", ".-E003"},
      {"\x1b.13SS}", ".-E003"},
      {"\x1b.36}", ".-E003"},
      {"\x1b.36X}", ".-E003"},
  };
  const PrinterState before = printer->State();
  for (const Case& c : cases) {
    EXPECT_EQ(printer->Exchange(c.frame), c.reply) << "frame '" << c.frame << "'";
  }
  EXPECT_EQ(printer->State(), before);
}

}  // namespace
}  // namespace mdx::emulator

// The generic free-text reports as a host calls them: the blocks their text
// is cut into, their parameter orders, and what decides their result.
#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using GenericFn = bool (*)(Text, Text, Text, Text, Text, Text);
using ConferenceFn = bool (*)(Text, Text, Text, Text, Text, Text, AnsiString&, Text);
using TypeListFn = bool (*)(Text, Text, Text, Text, Text);
using ExchangeFn = bool (*)(Text, Text, Text, Text);

// `count` lines of `width` characters, each followed by LF CR.
AnsiString Lines(int count, int width) {
  AnsiString text;
  for (int i = 0; i < count; ++i) text += AnsiString(width, static_cast<char>('a' + i % 26)) + "\n\r";
  return text;
}

std::vector<size_t> Sizes(const std::vector<AnsiString>& blocks) {
  std::vector<size_t> sizes;
  for (const AnsiString& block : blocks) sizes.push_back(block.size());
  return sizes;
}

class FreeTextReportTest : public ReportTest {
 protected:
  bool Generic(const AnsiString& text) {
    return Op<GenericFn>("Relatorio_Generico")("001", "x", "x", text, "key", "x");
  }
};

TEST_F(FreeTextReportTest, TextIsCutIntoBlocksAfterALineFeed) {
  AnsiString lfOnly;
  for (int i = 0; i < 30; ++i) lfOnly += AnsiString(19, 'q') + "\n";
  AnsiString mixed = AnsiString(480, 'm') + "\n\r" + AnsiString(30, 'n') + "\nX\n\r" +
                     AnsiString(10, 'z');
  struct Case {
    const char* name;
    AnsiString text;
    std::vector<size_t> sizes;
  } cases[] = {
      {"empty", "", {}},
      // The first piece is 59 characters, every later one 60 (the CR of the
      // previous line end leads it), the final CR is a piece of its own.
      {"twenty lines of 58", Lines(20, 58), {539, 540, 121}},
      {"no line end at all", AnsiString(2000, 'w'), {2000}},
      {"LF without CR never cuts", lfOnly, {600}},
      // Pieces end at the first LF, even one without CR after it; the rest
      // after the last LF CR is one piece.
      {"mixed line ends", mixed, {513, 13}},
      {"one line end", "abc\n\r", {5}},
  };
  for (const Case& c : cases) {
    ForgetFrames();
    EXPECT_TRUE(Generic(c.text)) << c.name;
    EXPECT_EQ(Frames().front(), ".13S}") << c.name;
    EXPECT_EQ(Frames().back(), ".12}") << c.name;
    EXPECT_EQ(Frames().size(), c.sizes.size() + 2) << c.name;
    const std::vector<AnsiString> blocks = TextBlocks();
    EXPECT_EQ(Sizes(blocks), c.sizes) << c.name;
    AnsiString joined;
    for (const AnsiString& block : blocks) joined += block;
    EXPECT_EQ(joined, c.text) << c.name;
  }
}

TEST_F(FreeTextReportTest, EveryMemberPrintsItsOwnTextParameter) {
  const AnsiString text = Lines(12, 50);
  emulator::PrinterState state = Printer().State();
  state.counters.coo = 41;
  Printer().SetState(state);

  EXPECT_TRUE(Op<GenericFn>("Relatorio_Generico")("001", "no", "no", text, "key", "no"));
  const std::vector<AnsiString> expected = TextBlocks();
  ASSERT_EQ(Sizes(expected), (std::vector<size_t>{519, 105}));

  ForgetFrames();
  AnsiString number = "host";
  EXPECT_TRUE(Op<ConferenceFn>("Conferencia_Formatada")("001", "no", "no", "no", "no", "no",
                                                         number, text));
  EXPECT_EQ(TextBlocks(), expected);
  // The report's own number: the COO the open gave it.
  EXPECT_EQ(number, "000043");

  ForgetFrames();
  EXPECT_TRUE(Op<TypeListFn>("imprimeTipoRece")("no", "no", "001", "key", text));
  EXPECT_EQ(TextBlocks(), expected);

  ForgetFrames();
  EXPECT_TRUE(Op<ExchangeFn>("Cupom_Troca")("001", "no", "no", text));
  EXPECT_EQ(TextBlocks(), expected);
  EXPECT_EQ(Frames().size(), 4u);
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(FreeTextReportTest, OnlyTheCloseDecidesTheResult) {
  const AnsiString text = Lines(20, 58);
  // The open refused: the text and the close still go out, both refused
  // (nothing is open), so the report fails with nothing on paper.
  const size_t tape = Printer().State().tape.size();
  Fault(emulator::FaultKind::kRefuse, "13");
  EXPECT_FALSE(Generic(text));
  EXPECT_EQ(FramesOf(".08").size(), 3u);
  EXPECT_EQ(Printer().State().tape.size(), tape);

  // A refused text does not stop the report.
  ForgetFrames();
  Fault(emulator::FaultKind::kRefuse, "08");
  EXPECT_TRUE(Generic(text));
  EXPECT_EQ(FramesOf(".08").size(), 3u);
  EXPECT_EQ(Frames().back(), ".12}");

  // A refused close fails the report, quietly (own error handling).
  ForgetFrames();
  Fault(emulator::FaultKind::kRefuse, "12");
  EXPECT_FALSE(Generic(text));
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : \x1B.12}");
}

}  // namespace
}  // namespace mdx::test

// The management-report sequence, the text-block buffer, the non-fiscal
// receipt operations and the hooks, as a host calls them.
#include <gtest/gtest.h>

#include "mdx00200/platform.h"
#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using BlockFn = void (*)(Text, Text, bool);
using OpenFn = bool (*)(Text, Text, Text, Text, Text);
using CloseFn = bool (*)(Text, bool, bool);
using ReceiptFn = bool (*)(Text, Text, Text, Text, Text);
using ReversalFn = bool (*)(Text, Text, Text, Text);
using HookFn = void (*)(Text, Text, Text, Text);
using LoadFn = void (*)(AnsiString&, AnsiString&, AnsiString&, AnsiString&, AnsiString&,
                        AnsiString&, Text, int);
using DateFn = TDateTime (*)(Text);

// imprimeBlocoSweda is exported under its C++ name only.
const char kBlockSymbol[] =
    "_ZN8Mdx0020017imprimeBlocoSwedaERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEES7_b";

class ManagementReportTest : public ReportTest {
 protected:
  void Block(const AnsiString& text, bool send) { Op<BlockFn>(kBlockSymbol)("001", text, send); }
};

TEST_F(ManagementReportTest, BufferCollectsLinesUntilASend) {
  EXPECT_FALSE(Package().HasSymbol("imprimeBlocoSweda"));
  ASSERT_TRUE(Send("13", {"S"}, true, false));
  ForgetFrames();
  Block("first", false);
  Block("second", false);
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(TextBuffer(), L"first\n\rsecond\n\r");
  Block("third \xE9", true);
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".080first\n\rsecond\n\rthird \xE9}"}));
  EXPECT_TRUE(TextBuffer().empty());
  // The next block starts afresh.
  Block("alone", true);
  EXPECT_EQ(Frames().back(), ".080alone}");
}

TEST_F(ManagementReportTest, BufferFailureIsShownAndLeavesNoStaleLines) {
  Block("kept", false);
  // The debug log cannot be written: a folder stands where the file goes.
  ASSERT_TRUE(platform::ForceDirectories(LogPath()));
  Block("last", true);
  EXPECT_EQ(host_->messages.size(), 1u);
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_TRUE(TextBuffer().empty());
}

TEST_F(ManagementReportTest, OpenRecordsTheDocumentWhenAsked) {
  auto open = Op<OpenFn>("Relatorio_Gerencial_Imp");
  EXPECT_TRUE(open("001", "A", "B", "C", "D"));
  EXPECT_EQ(Frames().front(), ".13S}");
  ASSERT_EQ(host_->cerCalls.size(), 1u);
  EXPECT_EQ(host_->cerCalls[0].a, "A");
  EXPECT_EQ(host_->cerCalls[0].b, "B");
  EXPECT_EQ(host_->cerCalls[0].when, Op<DateFn>("DataMoviFiscal")("001"));
  // The report stays open for the host's lines and its close.
  EXPECT_EQ(FramesOf(".12").size(), 0u);
  ForgetFrames();
  EXPECT_TRUE(Op<CloseFn>("FechRelatGerenc")("001", true, false));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".12}"}));

  // No text D, or a refused open: nothing recorded.
  EXPECT_TRUE(open("001", "A", "B", "C", ""));
  ASSERT_TRUE(Op<CloseFn>("FechRelatGerenc")("001", true, false));
  Fault(emulator::FaultKind::kRefuse, "13");
  EXPECT_FALSE(open("001", "A", "B", "C", "D"));
  EXPECT_EQ(host_->cerCalls.size(), 1u);
}

TEST_F(ManagementReportTest, UnlinkedReceiptSendsItsThreeTexts) {
  auto receipt = Op<ReceiptFn>("Cupom_NFiscNVinc");
  EXPECT_TRUE(receipt("001", "  ", "    ", "", "not read"));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".19      }"}));
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNonFiscalReceipt);

  // Refused on an attended till: quietly, the channel's own handling.
  ForgetFrames();
  EXPECT_FALSE(receipt("001", "AB", "CD", "EF", "GH"));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".19ABCDEF}"}));
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(ManagementReportTest, ReversalResultIsTheVerdictOfItsOwnCommand) {
  auto reversal = Op<ReversalFn>("EstornoNaoFiscal");
  Fault(emulator::FaultKind::kRefuse, "53");
  EXPECT_FALSE(reversal("001", "x", "y", "z"));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".12}", ".53}", ".12}"}));
  EXPECT_TRUE(host_->dialogs.empty());

  ForgetFrames();
  Recorder().accepted = {"53"};
  EXPECT_TRUE(reversal("001", "x", "y", "z"));
  // Refused closes do not change it.
  Recorder().accepted = {"53"};
  Fault(emulator::FaultKind::kRefuse, "12", 2);
  EXPECT_TRUE(reversal("001", "x", "y", "z"));
}

TEST_F(ManagementReportTest, HooksDoNothing) {
  Op<HookFn>("GravaDocumentosNaoFiscais")("key", "001", "RG", "");
  AnsiString a = "a", b = "b", c = "c", d = "d", e = "e", f = "f";
  Op<LoadFn>("CarregaRelatorioGer")(a, b, c, d, e, f, "g", 7);
  EXPECT_EQ(a + b + c + d + e + f, "abcdef");
  EXPECT_TRUE(Frames().empty());
  EXPECT_TRUE(host_->dialogs.empty());
}

}  // namespace
}  // namespace mdx::test

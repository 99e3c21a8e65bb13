// The command channel as a host drives it: the package and the serial
// substitute loaded by name, the virtual printer answering.
#include <gtest/gtest.h>

#include "support/package_fixture.h"
#include "mdx00200/exceptions.h"

namespace mdx::test {
namespace {

class ChannelTest : public PackageTest {};

using emulator::DocumentKind;
using emulator::FaultKind;

const AnsiString kEsc = "\x1B";
const AnsiString kPaperText = "Impressora com pouco papel ou sem papel.";
const AnsiString kRefusedText = "Comando n\xE3o executado pela impressora fiscal.";
const AnsiString kLowPaperText = "Impressora fiscal com pouco papel.";

// Frames as they go on the wire: the caller's code through the alias table,
// then the parameters without separators.
TEST_F(ChannelTest, FramesCarryTheWireCodeAndTheParameters) {
  struct Case {
    AnsiString code;
    std::vector<AnsiString> params;
    AnsiString frame;
  } cases[] = {
      {"28", {}, ".28}"},
      {"27", {"1"}, ".271}"},
      {"98", {"1"}, ".271}"},
      {"99", {}, ".25}"},
      {"_25", {}, ".25}"},
      {"12SN", {}, ".12N}"},
      {"11", {"0000", "00000000100", "N"}, ".1151000000000000100N}"},
      {"23", {}, ".23}"},
  };
  for (const Case& c : cases) {
    Send(c.code, c.params, true, false);
    std::vector<AnsiString> log = LogTexts();
    ASSERT_FALSE(log.empty());
    bool found = false;
    for (const AnsiString& line : log) found = found || line == "Comando : " + kEsc + c.frame;
    EXPECT_TRUE(found) << c.code;
  }
}

TEST_F(ChannelTest, AcceptedCommandLogsFrameAndStatusReply) {
  EXPECT_TRUE(Send("23", {}, false, false));
  EXPECT_EQ(SwedaRet().substr(0, 2), ".+");
  std::vector<AnsiString> log = LogTexts();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "Comando : " + kEsc + ".23}");
  EXPECT_EQ(log[1], "Retorno da Impressora " + SwedaRet());
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_EQ(MensagemTaa(), "");

  // Each line: the date and time of the host clock, " - ", the text.
  AnsiString content = platform::ReadFile(LogPath());
  EXPECT_EQ(content.substr(0, 22), "15/01/2024 10:30:00 - ");
  EXPECT_NE(LogPath().find("impdebug0124.txt"), AnsiString::npos);
}

TEST_F(ChannelTest, LogFileFollowsTheMonth) {
  host_->SetNow(EncodeDate(2026, 12, 6) + EncodeTime(9, 0, 0, 0));
  Send("28", {}, false, false);
  EXPECT_TRUE(platform::FileExists(host_->Directory() + "impdebug1226.txt"));
}

TEST_F(ChannelTest, BusyRepliesAreResentWhileAsked) {
  Fault(FaultKind::kBusy, "28", 3);
  EXPECT_TRUE(Send("28", {}, false, true));
  std::vector<AnsiString> log = LogTexts();
  ASSERT_EQ(log.size(), 4u);
  for (const AnsiString& line : log) EXPECT_EQ(line, "Comando : " + kEsc + ".28}");
  EXPECT_EQ(host_->delays.size(), 3u);
}

TEST_F(ChannelTest, BusyForEverIsBoundedAndReported) {
  Fault(FaultKind::kBusy, "28", emulator::kEveryTime);
  EXPECT_FALSE(Send("28", {}, true, true));
  std::vector<AnsiString> log = LogTexts();
  ASSERT_EQ(log.size(), 32u);  // 31 sends, then the refusal seen by the reply check
  EXPECT_EQ(log.back(), "ERRO!!! .-P006");
  EXPECT_EQ(host_->delays.size(), 30u);
  // The busy answer that remains goes through the reply check, with its dialog.
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_EQ(host_->dialogs[0].text, kRefusedText + "\r\n.-P006");
}

TEST_F(ChannelTest, BusyWithoutRepeatIsARefusal) {
  Fault(FaultKind::kBusy, "28", 1);
  EXPECT_FALSE(Send("28", {}, false, false));
  EXPECT_EQ(LogTexts().size(), 2u);
  EXPECT_EQ(MensagemTaa(), " " + kPaperText + " " + kRefusedText);
}

TEST_F(ChannelTest, RefusalWithOwnErrorHandlingIsOnlyLogged) {
  EXPECT_FALSE(Send("XX", {}, true, false));
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : " + kEsc + ".XX}");
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_EQ(MensagemTaa(), "");
}

TEST_F(ChannelTest, RefusalWithoutOwnErrorHandlingGathersMessages) {
  EXPECT_FALSE(Send("XX", {}, false, false));
  std::vector<AnsiString> log = LogTexts();
  EXPECT_EQ(log.back(), "ERRO!!! " + SwedaRet());
  EXPECT_EQ(SwedaRet().substr(0, 2), ".-");
  EXPECT_EQ(MensagemTaa(), " " + kPaperText + " " + kRefusedText);
  EXPECT_TRUE(host_->dialogs.empty());  // show is the caller's ownErrorHandling

  auto check = Package().Op<CheckFn>("ImpressoraOk");
  EXPECT_FALSE(check("002", true, false, false));
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_EQ(host_->dialogs[0].text, kRefusedText + "\r\n" + SwedaRet());
  EXPECT_EQ(host_->dialogs[0].kind, tmInformacao);
  EXPECT_EQ(host_->dialogs[0].scheme, "002");
  EXPECT_EQ(host_->dialogs[0].option1, "N");
  EXPECT_EQ(host_->dialogs[0].option2, "N");
}

TEST_F(ChannelTest, PaperWarningsOnBothKindsOfTill) {
  struct Case {
    bool attended;
    FaultKind fault;
    bool result;
    AnsiString messages;
    std::vector<AnsiString> dialogs;
  } cases[] = {
      {true, FaultKind::kPaperLow, true, " " + kLowPaperText, {kLowPaperText}},
      {false, FaultKind::kPaperLow, true, " " + kLowPaperText, {}},
      // Paper out on a till with dialogs is shown and counts as success.
      {true, FaultKind::kPaperOut, true, " " + kPaperText, {kPaperText}},
      {false, FaultKind::kPaperOut, false, " " + kPaperText + " " + kRefusedText, {}},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    host_->dialogs.clear();
    NUtilTaa() = c.attended;
    Fault(c.fault, "23");
    EXPECT_EQ(Send("23", {}, false, false), c.result) << c.attended;
    EXPECT_EQ(MensagemTaa(), c.messages) << c.attended;
    EXPECT_EQ(host_->DialogTexts(), c.dialogs) << c.attended;
  }
}

TEST_F(ChannelTest, SelfServiceMessagesAccumulate) {
  NUtilTaa() = false;
  Send("XX", {}, false, false);
  Send("XX", {}, false, false);
  EXPECT_EQ(MensagemTaa(), " " + kPaperText + " " + kRefusedText + " " + kPaperText + " " +
                               kRefusedText);
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(ChannelTest, OperationLeftOpenIsCancelledDirectly) {
  for (bool attended : {true, false}) {
    Package().ResetGlobals();
    NUtilTaa() = attended;
    emulator::PrinterState state = Printer().State();
    state.document = DocumentKind::kFiscalCoupon;
    Printer().SetState(state);
    Fault(FaultKind::kOperationOpen, "28");
    size_t before = LogTexts().size();
    EXPECT_FALSE(Send("28", {}, false, false));
    // The cancel goes straight to the library: no log line, SwedaRet kept.
    EXPECT_EQ(LogTexts().size(), before + 2);
    EXPECT_NE(SwedaRet().find("ERRO-OPERACAO NAO ENCERRADA}"), AnsiString::npos);
    EXPECT_EQ(Printer().State().document == DocumentKind::kNone, attended) << attended;
  }
}

TEST_F(ChannelTest, SilentPrinterIsAFailure) {
  Fault(FaultKind::kNoAnswer, "27");
  EXPECT_FALSE(Send("27", {"1"}, false, false));
  EXPECT_EQ(SwedaRet(), "");
  EXPECT_EQ(LogTexts().back(), "ERRO!!! ");
  Fault(FaultKind::kReplyLost, "27");
  EXPECT_FALSE(Send("27", {"1"}, true, false));
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : " + kEsc + ".271}");
}

TEST_F(ChannelTest, LongRepliesAreClampedTo255) {
  emulator::FaultRule rule;
  rule.kind = FaultKind::kLongReply;
  rule.command = "28";
  rule.length = 400;
  Printer().AddFault(rule);
  EXPECT_TRUE(Send("28", {}, false, false));
  EXPECT_EQ(SwedaRet().size(), 255u);
}

// A library whose length byte claims more than it wrote: the reply stops at
// the text it did write, and the buffer is never read past its 256 bytes.
int MDX_STDCALL LyingLibrary(const char*, unsigned char* reply) {
  reply[0] = 255;
  const char text[] = ".+0000";
  for (size_t i = 0; i < sizeof text - 1; ++i) reply[1 + i] = static_cast<unsigned char>(text[i]);
  return 1;
}

TEST_F(ChannelTest, LengthByteThatLiesIsClamped) {
  Package().Global<void*>("SwedaEnviaComando") = reinterpret_cast<void*>(&LyingLibrary);
  EXPECT_TRUE(Send("23", {}, false, false));
  EXPECT_EQ(SwedaRet(), ".+0000");
}

// A library that answers with whatever text the test sets.
const char* g_cannedReply = "";
int MDX_STDCALL CannedLibrary(const char*, unsigned char* reply) {
  const AnsiString text = g_cannedReply;
  reply[0] = static_cast<unsigned char>(text.size());
  for (size_t i = 0; i < text.size(); ++i) reply[1 + i] = static_cast<unsigned char>(text[i]);
  return 1;
}

// A garbled reply is a refusal even when "P" and "5" sit where a paper code
// would: no paper dialog, no success.
TEST_F(ChannelTest, GarbledReplyIsNeverAPaperWarning) {
  Package().Global<void*>("SwedaEnviaComando") = reinterpret_cast<void*>(&CannedLibrary);
  for (const char* garbled : {"..P005", "+-P005", "x+P005", "-.P005", " -P005"}) {
    g_cannedReply = garbled;
    Package().ResetGlobals();
    host_->dialogs.clear();
    EXPECT_FALSE(Send("23", {}, false, false)) << garbled;
    EXPECT_EQ(MensagemTaa(), " " + kPaperText + " " + kRefusedText) << garbled;
    EXPECT_TRUE(host_->dialogs.empty()) << garbled;
  }
  // The well-formed paper codes keep their meaning.
  g_cannedReply = ".-P005";
  host_->dialogs.clear();
  EXPECT_TRUE(Send("23", {}, false, false));
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{kPaperText});
}

TEST_F(ChannelTest, UnwritableLogRaisesToTheCaller) {
  struct MissingFolder : FakeHost {
    AnsiString HostDirectory() override { return Directory() + "missing/"; }
  } host;
  HostServices* previous = InstallHostServices(&host);
  auto log = Package().Op<LogFn>("ImpFisDebug");
  EXPECT_THROW(log("x"), EInOutError);
  EXPECT_THROW(Send("23", {}, false, false), EInOutError);
  InstallHostServices(previous);
  EXPECT_FALSE(Package().Global<bool>("boComando"));
}

TEST_F(ChannelTest, CommandFlagIsRaisedOnlyDuringTheExchange) {
  EXPECT_TRUE(Send("23", {}, false, false));
  EXPECT_FALSE(Package().Global<bool>("boComando"));
}

}  // namespace
}  // namespace mdx::test

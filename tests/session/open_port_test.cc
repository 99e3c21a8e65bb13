// AbrePorta: the port number the serial library gets, and the first status
// exchange.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "session/session_fixture.h"
#include "status/scripted_replies.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;

// Stands in the package's open entry: records each call, then answers with
// `result` or, when it has none, passes the call on to the substitute.
struct OpenRecorder {
  struct Call {
    int port;
    int mode;
  };
  inline static std::vector<Call> calls;
  inline static std::optional<int> result;
  inline static TSwedaAbrePorta substitute = nullptr;

  static int MDX_STDCALL Open(int port, int mode) {
    calls.push_back({port, mode});
    return result ? *result : substitute(port, mode);
  }
};

class OpenPortTest : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    OpenRecorder::calls.clear();
    OpenRecorder::result.reset();
    OpenRecorder::substitute = reinterpret_cast<TSwedaAbrePorta>(Package().SerialSymbol("AbrePorta"));
    Entry("SwedaAbrePorta") = reinterpret_cast<void*>(&OpenRecorder::Open);
  }
  AnsiString PortError(const AnsiString& name) {
    return "Erro na abertura da porta de comunica\xE7\xE3o: " + name;
  }
};

TEST_F(OpenPortTest, PortNameGivesThePortNumber) {
  struct Case {
    AnsiString name;
    int number;
    bool opens;  // the substitute opens 1 to 13
  } cases[] = {{"COM1", 1, true},   {"COM3", 3, true},   {"COM12", 12, true}, {"LPT1", 13, true},
               {"XYZ", 14, false},  {"com3", 14, false}, {"COM3 ", 14, false}, {"COM13", 14, false},
               {"", 0, false}};
  for (const Case& c : cases) {
    OpenRecorder::calls.clear();
    host_->dialogs.clear();
    std::filesystem::remove(LogPath());
    EXPECT_EQ(Open(SessionRecord(c.name)), c.opens) << c.name;
    ASSERT_EQ(OpenRecorder::calls.size(), 1u) << c.name;
    EXPECT_EQ(OpenRecorder::calls[0].port, c.number) << c.name;
    EXPECT_EQ(OpenRecorder::calls[0].mode, 5) << c.name;
    if (c.opens) {
      EXPECT_TRUE(host_->dialogs.empty()) << c.name;
      EXPECT_EQ(SentCommands(LogTexts()), (std::vector<AnsiString>{"23", "28", "12"})) << c.name;
    } else {
      EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{PortError(c.name)}) << c.name;
      EXPECT_EQ(host_->dialogs[0].kind, tmErro);
      EXPECT_EQ(host_->dialogs[0].scheme, "005");
      EXPECT_EQ(LogTexts().back(), "ERRO!!! Abrindo porta " + c.name) << c.name;
      EXPECT_TRUE(SentCommands(LogTexts()).empty()) << c.name;
    }
  }
}

TEST_F(OpenPortTest, OpenSucceedsWhenItsResultHasALowBitSet) {
  struct Case {
    int result;
    bool opens;
  } cases[] = {{1, true}, {0x7F, true}, {0x81, true}, {-1, true}, {0, false}, {0x80, false},
               {0x100, false}};
  for (const Case& c : cases) {
    OpenRecorder::result = c.result;
    EXPECT_EQ(Open(SessionRecord()), c.opens) << c.result;
  }
}

TEST_F(OpenPortTest, WithoutAnOpenEntryThePortDoesNotOpen) {
  Entry("SwedaAbrePorta") = nullptr;
  EXPECT_FALSE(Open(SessionRecord("COM1")));
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{PortError("COM1")});
  EXPECT_TRUE(SentCommands(LogTexts()).empty());
}

TEST_F(OpenPortTest, RefusedStatusEndsTheStart) {
  Fault(FaultKind::kRefuse, "23");
  EXPECT_FALSE(Open(SessionRecord()));
  EXPECT_EQ(SentCommands(LogTexts()), std::vector<AnsiString>{"23"});
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : \x1B.23}");
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(OpenPortTest, LowPaperAtTheStartIsShownAndTheStartSucceeds) {
  Fault(FaultKind::kPaperLow, "23");
  EXPECT_TRUE(Open(SessionRecord()));
  // The channel's check and the session's own check of the same reply.
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>(2, "Impressora fiscal com pouco papel."));
  EXPECT_EQ(SentCommands(LogTexts()), (std::vector<AnsiString>{"23", "28", "12"}));
}

}  // namespace
}  // namespace mdx::test

// ContadorCupomFiscalMFD, exported under its C++ name only, called at the
// C++ level with a scripted printer behind the send entry.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "mdx00200/mdx00200.h"
#include "support/fake_host.h"

namespace mdx::test {
namespace {

// Replies by frame; a frame without one is refused.
struct ScriptedPrinter {
  inline static std::map<AnsiString, AnsiString> replies;
  inline static std::vector<AnsiString> frames;

  static int MDX_STDCALL Send(const char* frame, unsigned char* reply) {
    frames.push_back(frame);
    auto found = replies.find(frame);
    const AnsiString text = found == replies.end() ? ".-E002" : found->second;
    reply[0] = static_cast<unsigned char>(text.size());
    std::memcpy(reply + 1, text.data(), text.size());
    reply[1 + text.size()] = 0;
    return 1;
  }
};

// Register H with the counter at 61-66.
AnsiString RegisterH(const AnsiString& counter) {
  AnsiString reply = ".+C000H" + AnsiString(71, '0');
  return reply.replace(60, 6, counter);
}

class CouponCounterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScriptedPrinter::replies.clear();
    ScriptedPrinter::frames.clear();
    saved_ = Mdx00200::SwedaEnviaComando;
    Mdx00200::SwedaEnviaComando = &ScriptedPrinter::Send;
  }
  void TearDown() override { Mdx00200::SwedaEnviaComando = saved_; }

  ScopedFakeHost host_;
  TSwedaEnviaComando saved_ = nullptr;
};

TEST_F(CouponCounterTest, CounterOfRegisterHAfterRegister1) {
  struct Case {
    const char* what;
    std::map<AnsiString, AnsiString> replies;
    bool result;
    AnsiString counter;
    std::vector<AnsiString> frames;
  } cases[] = {
      {"read", {{"\x1B.271}", ".+C0001"}, {"\x1B.27H}", RegisterH("000042")}}, true, "000042",
       {"\x1B.271}", "\x1B.27H}"}},
      {"blank counter", {{"\x1B.271}", ".+C0001"}, {"\x1B.27H}", RegisterH("      ")}}, false,
       "      ", {"\x1B.271}", "\x1B.27H}"}},
      // Register H refused three times: no counter.
      {"register H refused", {{"\x1B.271}", ".+C0001"}}, false, "",
       {"\x1B.271}", "\x1B.27H}", "\x1B.27H}", "\x1B.27H}"}},
      {"register 1 refused", {}, false, "untouched", {"\x1B.271}"}},
  };
  for (const Case& c : cases) {
    ScriptedPrinter::replies = c.replies;
    ScriptedPrinter::frames.clear();
    AnsiString counter = "untouched";
    EXPECT_EQ(Mdx00200::ContadorCupomFiscalMFD("001", counter), c.result) << c.what;
    EXPECT_EQ(counter, c.counter) << c.what;
    EXPECT_EQ(ScriptedPrinter::frames, c.frames) << c.what;
  }
}

}  // namespace
}  // namespace mdx::test

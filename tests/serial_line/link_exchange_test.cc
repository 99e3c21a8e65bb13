// The two ends of the link without a device: the till's client and the
// printer's responder joined by a line in memory that can lose or damage
// what the printer sends. A command is executed once however many times it
// is sent, the reply that comes back is the printer's, and every wait ends.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "serial_line/link_client.h"
#include "serial_line/link_responder.h"

namespace mdx::serial_line {
namespace {

// A printer that counts what it executes and answers with the count.
struct CountingPrinter {
  std::vector<std::string> executed;
  std::optional<std::string> operator()(const std::string& command) {
    executed.push_back(command);
    if (command == "silent") return std::nullopt;
    return ".+" + std::to_string(executed.size());
  }
};

// What the line does to the printer's n-th sending (1-based): returns the
// bytes that arrive.
using Trouble = std::function<std::string(int sending, const std::string& bytes)>;

// The line in memory. A read with nothing pending ends at once as a timeout.
class MemoryLine final : public BytePort {
 public:
  MemoryLine(LinkResponder& responder, Trouble trouble) : responder_(responder), trouble_(std::move(trouble)) {}
  bool Write(std::string_view bytes, Clock::time_point) override {
    const std::string replies = responder_.Feed(bytes);
    if (!replies.empty()) pending_ += trouble_ ? trouble_(++sendings_, replies) : replies;
    return true;
  }
  ReadStatus Read(std::string& out, Clock::time_point) override {
    if (pending_.empty()) return ReadStatus::kTimeout;
    // Bytes come a few at a time, as from a port.
    const size_t n = pending_.size() < 5 ? pending_.size() : 5;
    out += pending_.substr(0, n);
    pending_.erase(0, n);
    return ReadStatus::kData;
  }
  void DiscardInput() override { pending_.clear(); }
  int sendings_ = 0;

 private:
  LinkResponder& responder_;
  Trouble trouble_;
  std::string pending_;
};

std::string Lose(const std::string&) { return ""; }
std::string Damage(const std::string& bytes) {
  std::string damaged = bytes;
  damaged[damaged.size() / 2] ^= 0x04;
  return damaged;
}

TEST(LinkExchangeTest, CommandsSurviveTroubleAndRunOnce) {
  struct Case {
    const char* what;
    Trouble trouble;
    int retries;
    std::optional<std::string> reply;  // to the command after the sync
    size_t retriesSeen;
  } cases[] = {
      {"a clean line", nullptr, 2, ".+1", 0},
      {"the first reply lost", [](int n, const std::string& b) { return n == 2 ? Lose(b) : b; }, 2, ".+1", 1},
      {"the first reply damaged", [](int n, const std::string& b) { return n == 2 ? Damage(b) : b; }, 2, ".+1", 1},
      {"two replies lost, three tries",
       [](int n, const std::string& b) { return n == 2 || n == 3 ? Lose(b) : b; }, 2, ".+1", 2},
      {"every reply lost", [](int n, const std::string& b) { return n >= 2 ? Lose(b) : b; }, 2, std::nullopt, 2},
      {"no retries: one loss is no answer", [](int n, const std::string& b) { return n == 2 ? Lose(b) : b; }, 0,
       std::nullopt, 0},
      {"a stale reply of an earlier frame before the real one",
       [](int n, const std::string& b) {
         return n == 2 ? EncodeFrame({1, FrameKind::kReply, ".+999"}) + EncodeFrame({99, FrameKind::kReply, ".-"}) + b
                       : b;
       },
       2, ".+1", 0},
      {"noise between frames", [](int, const std::string& b) { return "\xff\x03 junk" + b + "\x10"; }, 2, ".+1", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CountingPrinter printer;
    LinkResponder responder(std::ref(printer));
    MemoryLine line(responder, c.trouble);
    LinkClient client(line, {1, c.retries});
    EXPECT_EQ(client.Exchange("\x1b.13S}"), c.reply);
    // Executed once, whatever was sent again.
    EXPECT_EQ(printer.executed, std::vector<std::string>{"\x1b.13S}"});
    EXPECT_EQ(client.Stats().retries, c.retriesSeen);
    EXPECT_EQ(responder.Stats().repeats, c.retriesSeen);
  }
}

TEST(LinkExchangeTest, ThePrinterSidesNoAnswerIsPassedOn) {
  CountingPrinter printer;
  LinkResponder responder(std::ref(printer));
  MemoryLine line(responder, nullptr);
  LinkClient client(line, {1, 2});
  EXPECT_EQ(client.Exchange("silent"), std::nullopt);
  // Told at once, not found out by waiting: no retry.
  EXPECT_EQ(client.Stats().retries, 0u);
  EXPECT_EQ(client.Exchange("next"), ".+2");
}

TEST(LinkExchangeTest, ANewSessionIsNotMistakenForARepeat) {
  CountingPrinter printer;
  LinkResponder responder(std::ref(printer));
  {
    MemoryLine line(responder, nullptr);
    LinkClient first(line, {1, 2});
    EXPECT_EQ(first.Exchange("\x1b.23}"), ".+1");
  }
  // A new till session numbers its frames from the start again: the same
  // number with the same command is still a new command.
  MemoryLine line(responder, nullptr);
  LinkClient second(line, {1, 2});
  EXPECT_EQ(second.Exchange("\x1b.23}"), ".+2");
  EXPECT_EQ(printer.executed.size(), 2u);
  EXPECT_EQ(responder.Stats().syncs, 2u);
}

TEST(LinkExchangeTest, ResponderAnswersRepeatsFromMemory) {
  CountingPrinter printer;
  LinkResponder responder(std::ref(printer));
  const std::string a = EncodeFrame({5, FrameKind::kCommand, "A"});
  const std::string first = responder.Feed(a);
  struct Step {
    const char* what;
    LinkFrame frame;
    size_t executed;  // commands executed after the step
  } steps[] = {
      {"the same frame again", {5, FrameKind::kCommand, "A"}, 1},
      {"the same number, another command", {5, FrameKind::kCommand, "B"}, 2},
      {"the next number, the same command", {6, FrameKind::kCommand, "B"}, 3},
      {"a printer-side frame echoed back", {6, FrameKind::kReply, "B"}, 3},
      {"a sync, then the last number again", {0, FrameKind::kSync, ""}, 3},
      {"after the sync", {6, FrameKind::kCommand, "B"}, 4},
  };
  EXPECT_EQ(responder.Feed(a), first);
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    responder.Feed(EncodeFrame(s.frame));
    EXPECT_EQ(printer.executed.size(), s.executed);
  }
}

// A line that never stops sending bytes that are no frame: every read has
// data, so only the deadline can end the wait.
class BabblingLine final : public BytePort {
 public:
  bool Write(std::string_view, Clock::time_point) override { return true; }
  ReadStatus Read(std::string& out, Clock::time_point) override {
    out += "garbage without a start byte";
    return ReadStatus::kData;
  }
  void DiscardInput() override {}
};

TEST(LinkExchangeTest, EndlessGarbageEndsAtTheDeadline) {
  BabblingLine line;
  LinkClient client(line, {5, 1});
  const auto start = Clock::now();
  EXPECT_EQ(client.Exchange("28"), std::nullopt);
  // Two tries of 5 ms; the bound only catches a wait that never ends.
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(client.Stats().sends, 2u);
}

}  // namespace
}  // namespace mdx::serial_line

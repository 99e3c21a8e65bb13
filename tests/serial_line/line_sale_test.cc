// A till's sale over a serial line: the console runs the package, the
// serial substitute speaks the link layer over a pseudo-terminal, and
// ecf-emulator is the printer at the other end. A clean line, a noisy one,
// one too bad to use, and a printer that dies in the middle of a sale.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <regex>
#include <set>
#include <thread>

#include "serial_line/console_scripts.h"
#include "serial_line/line_fixture.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;
using emulator::PrinterState;

const char kClock[] = "06/12/2026 09:00:00";
const char kSaleSummary[] =
    "{\"coupons\":1,\"cancelled\":0,\"grand_total\":23.97,\"gross\":23.97,\"z_reductions\":0,\"files\":[],"
    "\"errors\":0}";

// "N commands executed" of the emulator's final report.
int ExecutedIn(const std::string& report) {
  std::smatch match;
  if (!std::regex_search(report, match, std::regex(R"((\d+) commands executed)"))) return -1;
  return std::atoi(match[1].str().c_str());
}
int RepeatsIn(const std::string& report) {
  std::smatch match;
  if (!std::regex_search(report, match, std::regex(R"((\d+) repeats answered)"))) return -1;
  return std::atoi(match[1].str().c_str());
}

// The items of the coupon in `state`, open or last closed.
const std::vector<emulator::CouponItem>& Items(const PrinterState& state) {
  return state.document == DocumentKind::kFiscalCoupon ? state.coupon.items : state.lastCoupon.items;
}

class SerialLineTest : public LineTest {
 protected:
  std::string State() { return temp_->File("printer.state"); }
};

TEST_F(SerialLineTest, SaleGoesThroughTheLine) {
  const std::string path = StartEmulator(State(), {"--clock", kClock});
  ASSERT_FALSE(path.empty());
  const ConsoleResult run = RunConsole(CutScript(ScriptCut::kSale), path, State());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.LastLine(), kSaleSummary) << run.out;
  // A clean line: nothing sent twice, nothing unanswered.
  EXPECT_EQ(run.CountInErr("line: try"), 0u);
  EXPECT_EQ(run.CountInErr("SERSWEDA < no answer"), 0u);

  // The state file the emulator keeps after every command.
  const PrinterState state = StateIn(State());
  EXPECT_EQ(state.document, DocumentKind::kNone);
  EXPECT_EQ(state.counters.ccf, 1);
  EXPECT_EQ(state.grandTotal, 2397);
  EXPECT_EQ(state.lastCoupon.items.size(), 3u);
  ASSERT_FALSE(state.detail.empty());
  EXPECT_EQ(state.detail.back().kind, emulator::DetailKind::kFiscalCoupon);
  EXPECT_FALSE(state.detail.back().cancelled);
  const std::string report = StopEmulator();
  EXPECT_EQ(RepeatsIn(report), 0) << report;
  std::printf("[ figures  ] clean sale: %.3f s, %s\n", run.seconds, report.c_str());
}

// The sale on a clean line, for comparison: the emulator's count of
// executed commands and the state it ends with.
struct Reference {
  int executed = -1;
  PrinterState state;
};

TEST_F(SerialLineTest, NoisyLineGivesTheCleanLinesResult) {
  Reference clean;
  {
    const std::string path = StartEmulator(temp_->File("clean.state"), {"--clock", kClock});
    ASSERT_FALSE(path.empty());
    const ConsoleResult run = RunConsole(CutScript(ScriptCut::kSale), path, temp_->File("clean.state"));
    ASSERT_EQ(run.LastLine(), kSaleSummary) << run.out;
    clean.executed = ExecutedIn(StopEmulator());
    clean.state = StateIn(temp_->File("clean.state"));
  }
  // Rates per byte the printer sends; replies of 60 to 260 bytes, so a good
  // share of them arrives damaged and is sent again.
  struct Case {
    const char* what;
    std::vector<std::string> trouble;
  } cases[] = {
      {"bits flipped", {"--noise", "0.003", "--seed", "11"}},
      {"bytes dropped", {"--drop", "0.002", "--seed", "12"}},
      {"bits flipped and bytes dropped", {"--noise", "0.002", "--drop", "0.001", "--seed", "13"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string state = temp_->File(std::string(c.what) + ".state");
    std::vector<std::string> args = {"--clock", kClock};
    args.insert(args.end(), c.trouble.begin(), c.trouble.end());
    const std::string path = StartEmulator(state, args);
    ASSERT_FALSE(path.empty());
    const ConsoleResult run =
        RunConsole(CutScript(ScriptCut::kSale), path, state, {{"MDX_SERIAL_RETRIES", "9"}});
    const std::string report = StopEmulator();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.LastLine(), kSaleSummary) << run.out;
    // The trouble was real, and the retries got through it.
    const size_t retries = run.CountInErr("line: try");
    EXPECT_GT(retries, 0u);
    EXPECT_EQ(run.CountInErr("SERSWEDA < no answer"), 0u);
    // Every repeat was answered from memory: the printer executed exactly
    // the commands of the clean run, and ends in the same state.
    EXPECT_EQ(ExecutedIn(report), clean.executed) << report;
    EXPECT_GT(RepeatsIn(report), 0) << report;
    const PrinterState noisy = StateIn(state);
    EXPECT_EQ(noisy.counters, clean.state.counters);
    EXPECT_EQ(noisy.grandTotal, clean.state.grandTotal);
    EXPECT_EQ(noisy.day, clean.state.day);
    EXPECT_EQ(noisy.lastCoupon, clean.state.lastCoupon);
    EXPECT_EQ(noisy.tape.size(), clean.state.tape.size());
    EXPECT_EQ(noisy.detail.size(), clean.state.detail.size());
    std::printf("[ figures  ] %s: %.3f s, %zu retries; %s\n", c.what, run.seconds, retries, report.c_str());
  }
}

TEST_F(SerialLineTest, LineTooBadEndsInNoAnswer) {
  struct Case {
    const char* what;
    std::vector<std::string> trouble;
  } cases[] = {
      // Not even a session starts: nothing is executed.
      {"every byte dropped", {"--drop", "1"}},
      // Sessions start, commands are executed, their replies are lost.
      {"most bytes damaged", {"--noise", "0.3", "--seed", "6"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string state = temp_->File(std::string(c.what) + ".state");
    std::vector<std::string> args = {"--clock", kClock};
    args.insert(args.end(), c.trouble.begin(), c.trouble.end());
    const std::string path = StartEmulator(state, args);
    ASSERT_FALSE(path.empty());
    // Quick waits: about 160 commands find no printer.
    const ConsoleResult run = RunConsole(CutScript(ScriptCut::kSale), path, state,
                                         {{"MDX_SERIAL_TIMEOUT_MS", "10"}, {"MDX_SERIAL_RETRIES", "1"}});
    const std::string report = StopEmulator();
    // The package's own no-answer handling: the calls fail, the sale is
    // not made, and no damaged reply was taken for a good one.
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_GT(run.CountInErr("SERSWEDA < no answer"), 0u);
    EXPECT_NE(run.out.find("[4] StartImpFiscal  -- session start\n    -> false"), std::string::npos) << run.out;
    // What the printer did execute, it executed once: no more commands
    // than the till sent, at most the one coupon, each of its items once.
    // The grand total moves as items are registered, so it holds exactly
    // what the coupon registered, and the summary shows the printer's.
    EXPECT_LE(ExecutedIn(report), static_cast<int>(run.CountInErr("SERSWEDA > "))) << report;
    const PrinterState after = StateIn(state);
    EXPECT_LE(after.counters.ccf, 1);
    std::set<std::string> codes;
    int64_t registered = after.document == DocumentKind::kFiscalCoupon ? after.coupon.subtotalSurcharge
                                                                         : after.lastCoupon.subtotalSurcharge;
    for (const emulator::CouponItem& item : Items(after)) {
      EXPECT_TRUE(codes.insert(item.code).second) << item.code;
      registered += item.amount + item.surcharge;
    }
    EXPECT_EQ(after.grandTotal, registered);
    const int64_t cents = after.grandTotal % 100;
    const std::string total = "\"grand_total\":" + std::to_string(after.grandTotal / 100) + "." +
                              (cents < 10 ? "0" : "") + std::to_string(cents);
    EXPECT_NE(run.LastLine().find(total), std::string::npos) << run.LastLine();
    std::printf("[ figures  ] %s: %.3f s; %s\n", c.what, run.seconds, report.c_str());
  }
}

// The items the till saw accepted in the console's output.
size_t AcceptedItems(const std::string& out) {
  size_t count = 0;
  for (size_t at = out.find("] VendaItem\n"); at != std::string::npos; at = out.find("] VendaItem\n", at + 1)) {
    const size_t result = out.find("    -> ", at);
    if (result != std::string::npos && out.compare(result, 11, "    -> true") == 0) ++count;
  }
  return count;
}

TEST_F(SerialLineTest, PrinterKilledMidSaleIsNoAnswerAndTheNextStartCancelsTheCoupon) {
  const std::string path = StartEmulator(State(), {"--clock", kClock});
  ASSERT_FALSE(path.empty());
  const int items = 150;
  // The console runs while the test watches the state file: once the open
  // coupon holds three items, the printer is killed.
  ConsoleResult run;
  std::thread console([&] { run = RunConsole(CutScript(ScriptCut::kLongSale, items), path, State()); });
  bool killed = false;
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!killed && std::chrono::steady_clock::now() < give_up) {
    const PrinterState seen = StateIn(State());
    if (seen.document == DocumentKind::kFiscalCoupon && seen.coupon.items.size() >= 3) {
      Emulator().Kill();
      killed = true;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  console.join();
  ASSERT_TRUE(killed) << "the sale never reached three items\n" << run.out;

  // The operation under way failed, and so did the rest, each at once: the
  // line hung up, so no wait ran to its timeout.
  EXPECT_EQ(run.status, 1);
  EXPECT_LT(run.seconds, 60);
  EXPECT_GT(run.CountInErr("line: the other end hung up"), 0u);
  EXPECT_GT(run.CountInErr("SERSWEDA < no answer"), 0u);
  EXPECT_NE(run.out.find("Erro ao imprimir o item"), std::string::npos);
  const size_t accepted = AcceptedItems(run.out);
  EXPECT_LT(accepted, static_cast<size_t>(items));

  // The printer holds each item the till saw accepted, once, and at most
  // the one it was executing when it died (its reply, or the item
  // discount that follows it, never came through).
  const PrinterState left = StateIn(State());
  ASSERT_EQ(left.document, DocumentKind::kFiscalCoupon);
  EXPECT_GE(left.coupon.items.size(), 3u);
  EXPECT_GE(left.coupon.items.size(), accepted);
  EXPECT_LE(left.coupon.items.size(), accepted + 1);

  // A new printer on the same state file: the till's start-up cancels the
  // coupon left open.
  const std::string again = StartEmulator(State(), {});
  ASSERT_FALSE(again.empty());
  const ConsoleResult start = RunConsole(CutScript(ScriptCut::kStart), again, State());
  EXPECT_EQ(start.status, 0) << start.out << start.err;
  const PrinterState after = StateIn(State());
  EXPECT_EQ(after.document, DocumentKind::kNone);
  EXPECT_EQ(after.counters.cfc, 1);
  EXPECT_EQ(after.counters.ccf, 1);
  ASSERT_FALSE(after.detail.empty());
  EXPECT_TRUE(after.detail.back().cancelled);
  EXPECT_NE(start.out.find("CUPOM FISCAL CANCELADO"), std::string::npos) << start.out;
  std::printf("[ figures  ] killed after %zu accepted items (%zu in the printer); the run took %.3f s\n",
              accepted, left.coupon.items.size(), run.seconds);
}

}  // namespace
}  // namespace mdx::test

// What the page shows of a printer: the state's figures, the tape with the
// open document marked, the day's totals as the X reading prints them, the
// exchanges with their status codes, the fiscal memory, and a cheap answer
// when nothing changed.
#include <gtest/gtest.h>

#include "emulator/sale_frames.h"
#include "view/view_fixture.h"

namespace mdx::emulator::view::test {
namespace {

using emulator::test::FooterPair;
using emulator::test::PaymentFrame;
using nlohmann::json;

std::vector<std::string> Lines(const json& document) {
  return document.at("lines").get<std::vector<std::string>>();
}

bool Holds(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& line : lines) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

TEST_F(ViewTest, ASaleOnThePageAsItPrints) {
  OpenCouponWithItem();
  json view = View();
  EXPECT_EQ(view["state"]["document"], "fiscal coupon");
  EXPECT_EQ(view["state"]["day"], "open");
  EXPECT_EQ(view["state"]["movementDate"], "06/12/2026");
  EXPECT_EQ(view["state"]["coo"], 1);
  EXPECT_EQ(view["state"]["ccf"], 1);
  const json open = view["tape"]["documents"].back();
  EXPECT_TRUE(open["open"]);
  EXPECT_TRUE(Holds(Lines(open), "CUPOM FISCAL"));
  EXPECT_TRUE(Holds(Lines(open), "CAFE"));

  ASSERT_EQ(Send(PaymentFrame(1, 1000)), ".+0000");
  ASSERT_EQ(Send("12N" + FooterPair("OBRIGADO")), ".+0000");
  view = View();
  EXPECT_EQ(view["state"]["document"], "none");
  EXPECT_EQ(view["state"]["gt"], "10,00");
  for (const json& document : view["tape"]["documents"]) EXPECT_FALSE(document["open"]);
  EXPECT_TRUE(Holds(Lines(view["tape"]["documents"].back()), "OBRIGADO"));

  // The totals are the X reading's lines, as it then prints them.
  const std::vector<std::string> totals = view["totals"];
  ASSERT_EQ(Send("13N"), ".+0000");
  const std::vector<std::string> reading = Lines(View()["tape"]["documents"].back());
  for (const std::string& line : totals) EXPECT_TRUE(Holds(reading, line)) << line;
  EXPECT_TRUE(Holds(totals, "PGTO Dinheiro"));
}

TEST_F(ViewTest, FramesWithTheirStatusCodes) {
  Send("23");
  Send("01");  // an item with no coupon open
  shared->AddFault({FaultKind::kNoAnswer, "", 1});
  Send("23");
  Send("271");
  const json frames = View()["frames"];
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_EQ(frames[0]["frame"], "<ESC>.23}");
  EXPECT_EQ(frames[0]["status"], "+0000");
  EXPECT_EQ(frames[1]["status"], "-E003");
  EXPECT_EQ(frames[2]["status"], "no answer");
  EXPECT_TRUE(frames[2]["reply"].is_null());
  EXPECT_EQ(frames[3]["status"], "+C001");

  for (int k = 0; k < 50; ++k) Send("23");
  EXPECT_EQ(View()["frames"].size(), SharedPrinter::kKeptExchanges);
}

TEST_F(ViewTest, TheFiscalMemorysReductions) {
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N" + FooterPair("")), ".+0000");
  ASSERT_EQ(Send("14N061226"), ".+0000");
  const json view = View();
  ASSERT_EQ(view["reductions"].size(), 1u);
  EXPECT_EQ(view["reductionCount"], 1);
  EXPECT_EQ(view["reductions"][0]["crz"], 1);
  EXPECT_EQ(view["reductions"][0]["date"], "06/12/2026");
  EXPECT_EQ(view["reductions"][0]["grossSales"], "10,00");
  EXPECT_EQ(view["state"]["closedDay"], "06/12/2026");
  EXPECT_EQ(view["state"]["day"], "closed");
}

TEST_F(ViewTest, NothingChangedGivesOnlyTheVersionAndTheClock) {
  const json first = View();
  const json same = View(first["version"]);
  EXPECT_EQ(same["version"], first["version"]);
  EXPECT_EQ(same["clock"], "06/12/2026 14:05:30");
  EXPECT_FALSE(same.contains("state"));

  Send("23");
  const json moved = View(first["version"]);
  EXPECT_NE(moved["version"], first["version"]);
  EXPECT_TRUE(moved.contains("state"));
}

TEST_F(ViewTest, PrinterTextsReachThePageAsUtf8) {
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("080CAF\xC9 P\xC3O"), ".+0000");  // Windows-1252
  EXPECT_TRUE(Holds(Lines(View()["tape"]["documents"].back()), "CAF\xC3\x89 P\xC3\x83O"));
}

}  // namespace
}  // namespace mdx::emulator::view::test

// What the page may do to the printer: the paper, the cable, busy and refused
// commands and the clock, each the printer's own state change or fault rule;
// input it does not understand changes nothing, and no action touches a
// counter, a total or a memory.
#include <gtest/gtest.h>

#include "emulator/sale_frames.h"
#include "emulator/view/view_actions.h"
#include "view/view_fixture.h"

namespace mdx::emulator::view::test {
namespace {

using emulator::test::ItemFrame;

class ViewActionsTest : public ViewTest {
 protected:
  ActionResult Run(const std::string& name, const ActionFields& fields = {}) {
    return RunAction(*shared, name, fields);
  }
};

TEST_F(ViewActionsTest, PaperOutRefusesWhatPrintsUntilPaperBack) {
  OpenCouponWithItem();
  EXPECT_TRUE(Run("paper-out").ok);
  EXPECT_EQ(printer->RecentState().paper, PaperLevel::kOut);
  EXPECT_EQ(Send(ItemFrame("8", 1000, 500, 500, "PAO")), ".-P005");
  EXPECT_EQ(Send("23"), ".+P005");
  EXPECT_TRUE(Run("paper-low").ok);
  EXPECT_EQ(Send(ItemFrame("8", 1000, 500, 500, "PAO")), ".+P005");
  EXPECT_TRUE(Run("paper-back").ok);
  EXPECT_EQ(Send(ItemFrame("8", 1000, 500, 500, "PAO")), ".+0000");
  EXPECT_EQ(View()["state"]["paper"], "ok");
}

TEST_F(ViewActionsTest, AHandClosesTheDrawer) {
  ASSERT_EQ(Send("21"), ".+0000");
  EXPECT_EQ(Send("22"), ".+0001");
  EXPECT_EQ(View()["state"]["drawer"], "open");
  EXPECT_TRUE(Run("drawer-close").ok);
  EXPECT_EQ(Send("22"), ".+0000");
  EXPECT_EQ(View()["state"]["drawer"], "closed");
}

TEST_F(ViewActionsTest, CableBusyAndRefusalAreFaultRules) {
  EXPECT_TRUE(Run("busy", {{"count", "2"}}).ok);
  EXPECT_EQ(Send("23"), ".-P006");
  EXPECT_EQ(Send("23"), ".-P006");
  EXPECT_EQ(Send("23"), ".+0000");

  EXPECT_TRUE(Run("refuse", {{"status", "E004"}}).ok);
  EXPECT_EQ(Send("23"), ".-E004");
  EXPECT_EQ(Send("23"), ".+0000");

  EXPECT_TRUE(Run("busy", {{"count", "5"}}).ok);
  EXPECT_TRUE(Run("cable-pull").ok);
  EXPECT_EQ(View()["faults"], (std::vector<std::string>{"busy * 5", "no-answer * always"}));
  Run("faults-clear");
  Run("cable-pull");
  EXPECT_EQ(Send("23"), "<no answer>");
  EXPECT_EQ(Send("23"), "<no answer>");
  EXPECT_TRUE(Run("cable-back").ok);
  EXPECT_EQ(Send("23"), ".+0000");
}

TEST_F(ViewActionsTest, ClockMovesForwardNeverBeforeTheLastDocument) {
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("12"), ".+0000");
  EXPECT_TRUE(Run("clock", {{"to", "07/12/2026 08:00:00"}}).ok);
  EXPECT_EQ(View()["state"]["clock"], "07/12/2026 08:00:00");
  EXPECT_EQ(View()["state"]["zPending"], "no");  // until the next command sees the date
  Send("23");
  EXPECT_EQ(View()["state"]["zPending"], "yes");

  EXPECT_TRUE(Run("clock-hour").ok);
  EXPECT_EQ(View()["state"]["clock"], "07/12/2026 09:00:00");
  const ActionResult back = Run("clock", {{"to", "06/12/2026 14:00:00"}});
  EXPECT_FALSE(back.ok);
  EXPECT_NE(back.message.find("before the last document"), std::string::npos) << back.message;
  EXPECT_EQ(View()["state"]["clock"], "07/12/2026 09:00:00");
}

TEST_F(ViewActionsTest, WhatIsNotUnderstoodChangesNothing) {
  struct Case {
    std::string name;
    ActionFields fields;
  } cases[] = {
      {"busy", {}},
      {"busy", {{"count", "0"}}},
      {"busy", {{"count", "100"}}},
      {"busy", {{"count", "-1"}}},
      {"refuse", {{"status", "E00"}}},
      {"refuse", {{"status", "e004"}}},
      {"refuse", {{"status", "E0 4"}}},
      {"clock", {{"to", "31/02/2027 10:00:00"}}},
      {"clock", {}},
      {"set-coo", {{"coo", "100"}}},
      {"", {}},
  };
  const PrinterState before = printer->State();
  for (const Case& c : cases) {
    const ActionResult result = Run(c.name, c.fields);
    EXPECT_FALSE(result.ok) << c.name;
    EXPECT_FALSE(result.message.empty()) << c.name;
    EXPECT_TRUE(printer->Faults().empty()) << c.name;
  }
  EXPECT_EQ(printer->State(), before);
}

TEST_F(ViewActionsTest, NoActionTouchesFiscalData) {
  OpenCouponWithItem();
  const PrinterState before = printer->State();
  const std::pair<std::string, ActionFields> all[] = {
      {"paper-low", {}}, {"paper-out", {}}, {"paper-back", {}}, {"drawer-close", {}}, {"busy", {{"count", "3"}}},
      {"cable-pull", {}}, {"cable-back", {}}, {"refuse", {{"status", "E090"}}},
      {"clock-hour", {}}, {"faults-clear", {}}};
  for (const auto& [name, fields] : all) EXPECT_TRUE(Run(name, fields).ok) << name;
  PrinterState after = printer->State();
  // Only the clock's offset moved; counters, totals, documents, memories and
  // the tape are as they were.
  after.clockOffsetMs = before.clockOffsetMs;
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace mdx::emulator::view::test

// A sale command whose reply was lost, answered "yes" to "print again?",
// against the virtual printer: a command the printer ran is not sent again,
// one it never saw is, and either way the coupon holds it once.
#include <gtest/gtest.h>

#include "coupon_unit/closing_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;

class LostReplyTest : public ClosingTest {
 protected:
  void SetUp() override {
    ClosingTest::SetUp();
    Script().ClearRules();  // every frame goes to the virtual printer
    emulator::PrinterState state = Printer().State();
    state.paymentMethods[1] = {'S', "Cartao"};
    Printer().SetState(state);
  }

  static Variant Opening(bool tef) {
    return Record({{"ESQUEMACOR", "007"}, {"INTTEFERRO", 0}, {"INCLUICPF", ""},
                   {"INCLUINOME", ""},    {"INCLUIENDERECO", ""}, {"CUPNR", ""},
                   {"CONTCUPOM", ""},     {"IDUTILTEF", tef ? "T" : "N"}, {"UTILTEF", tef}});
  }
  static Variant Item(double discount) {
    return Record({{"ESQUEMACOR", "007"}, {"INTTEFERRO", 0}, {"CDARVPROD", "789"},
                   {"NMPROD", "CAFE"},    {"CDALIQ", "T01"},  {"QTDE", 2.0},
                   {"VALOR", 3.5},        {"DESCONT", discount}, {"UNIDADE", ""},
                   {"IDUTILTEF", "N"},    {"UTILTEF", false}, {"ACRESCIMO", 0.0}});
  }
  // "05" straight to the printer: the open coupon is cancelled.
  bool CancelOpenCouponForTheNextCase() { return Send("05", {}, true, false); }
  void Open() {
    Variant opening = Opening(false);
    ASSERT_TRUE(AbreCupom(opening));
  }

  // The two ways a reply is lost, and how many times the frame goes out.
  struct Loss {
    const char* what;
    FaultKind kind;
    size_t frames;
  };
  static constexpr Loss kLosses[] = {
      {"run, reply lost", FaultKind::kReplyLost, 1},
      {"lost before the printer", FaultKind::kNoAnswer, 2},
  };
};

TEST_F(LostReplyTest, ItemAndItsDiscountAreRegisteredOnce) {
  for (const char* command : {"01", "02"}) {
    for (const Loss& loss : kLosses) {
      SCOPED_TRACE(AnsiString(command) + ": " + loss.what);
      Open();
      const int64_t discountsBefore = Printer().State().day.discounts;
      ForgetFrames();
      host_->dialogs.clear();
      host_->Answer({true});
      Fault(loss.kind, command);
      Variant item = Item(0.5);
      EXPECT_TRUE(VendaItem(item));
      EXPECT_EQ(FramesOf("." + AnsiString(command)).size(), loss.frames);
      EXPECT_EQ(host_->dialogs.size(), 1u);
      const emulator::Coupon& coupon = Printer().State().coupon;
      ASSERT_EQ(coupon.items.size(), 1u);
      EXPECT_EQ(coupon.items[0].discount, 50);
      EXPECT_EQ(Printer().State().day.discounts, discountsBefore + 50);
      // The sale goes on as if nothing had happened.
      EXPECT_TRUE(CancelOpenCouponForTheNextCase());
    }
  }
}

TEST_F(LostReplyTest, PaymentIsRegisteredOnce) {
  for (const Loss& loss : kLosses) {
    SCOPED_TRACE(loss.what);
    Open();
    Variant item = Item(0);
    ASSERT_TRUE(VendaItem(item));
    ForgetFrames();
    host_->dialogs.clear();
    host_->Answer({true});
    Fault(loss.kind, "10");
    // A TEF sale, so a refused payment asks to print again; the first of two
    // payments meets the loss.
    ClosingList list;
    list[9] = "S";
    list[11] = true;
    list[13] = MovementsPacket({{"E", "002", 5}, {"E", "001", 5}});
    list[14] = MethodsPacket({{"001", "01", ""}, {"002", "02", ""}});
    EXPECT_TRUE(Close(list));
    EXPECT_EQ(FramesOf(".1001").size(), 1u);
    EXPECT_EQ(FramesOf(".1002").size(), loss.frames);
    EXPECT_EQ(host_->dialogs.size(), 1u);
    const emulator::PrinterState state = Printer().State();
    EXPECT_EQ(state.document, emulator::DocumentKind::kNone);
    EXPECT_EQ(state.lastCoupon.payments,
              (std::vector<emulator::Payment>{{2, 500}, {1, 500}}));
  }
}

TEST_F(LostReplyTest, CouponOpenedOnce) {
  for (const Loss& loss : kLosses) {
    SCOPED_TRACE(loss.what);
    ForgetFrames();
    host_->dialogs.clear();
    host_->Answer({true});
    Fault(loss.kind, "17");
    const int coo = Printer().State().counters.coo;
    Variant opening = Opening(true);
    EXPECT_TRUE(AbreCupom(opening));
    EXPECT_EQ(FramesOf(".17").size(), loss.frames);
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kFiscalCoupon);
    EXPECT_EQ(Printer().State().counters.coo, coo + 1);
    EXPECT_EQ(Value(opening, "INTTEFERRO"), Variant(1));
    EXPECT_TRUE(CancelOpenCouponForTheNextCase());
  }
}

}  // namespace
}  // namespace mdx::test

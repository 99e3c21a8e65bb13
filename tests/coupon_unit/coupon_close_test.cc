// FechaCupom as a host calls it: subtotal adjustments, payments, the result
// cells and the change voucher, with the frames on the wire.
#include <gtest/gtest.h>

#include "coupon_unit/closing_fixture.h"

namespace mdx::test {
namespace {

const AnsiString kNotResponding = "Impressora n\xE3o responde. Imprimir novamente?";

class CouponCloseTest : public ClosingTest {};

TEST_F(CouponCloseTest, PaymentOfOneCashMethod) {
  ClosingList list;
  list[13] = MovementsPacket({{"E", "001", 12.5}});
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(FramesOf(".10"), std::vector<AnsiString>{".1001000000001250}"});
  EXPECT_TRUE(FramesOf(".03").empty());
  EXPECT_TRUE(FramesOf(".11").empty());
  EXPECT_EQ(FramesOf(".12N").size(), 1u);
  EXPECT_EQ(result, VarArrayOf({0, "000057", "", ""}));
  EXPECT_TRUE(ClieUtil());
  EXPECT_TRUE(host_->dialogs.empty());
}

// What the printer had to say reaches the host in cell 3, and boClieUtil
// tells whether there was anything.
TEST_F(CouponCloseTest, MessagesGatheredDuringTheClosing) {
  ClosingList list;
  list[13] = MovementsPacket({{"E", "001", 12.5}});
  NUtilTaa() = false;
  Script().Answer("10", ".+P005");  // accepted, paper low
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(result, VarArrayOf({0, "000057", "", " Impressora fiscal com pouco papel."}));
  EXPECT_FALSE(ClieUtil());

  ClieUtil() = false;
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(result[3], Variant(""));
  EXPECT_TRUE(ClieUtil());
}

TEST_F(CouponCloseTest, SubtotalDiscountOrSurcharge) {
  struct Case {
    double discount, surcharge;
    std::vector<AnsiString> frames;  // before the payment
  } cases[] = {
      {1, 0, {".03          000000000100N}"}},
      {0, 1, {".1151000000000000100N}"}},
      {2.5, 1, {".03          000000000250N}"}},  // a discount wins
      {0, 0, {}},
      // Only a value above zero is sent: a negative one sends nothing.
      {-1, 0, {}},
      {-1, 1, {".1151000000000000100N}"}},
      {0, -1, {}},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    const size_t before = Frames().size();
    ClosingList list;
    list[6] = c.discount;
    list[8] = c.surcharge;
    list[13] = MovementsPacket({{"E", "001", 10}});
    EXPECT_TRUE(Close(list)) << c.discount << "/" << c.surcharge;
    const std::vector<AnsiString> frames = Frames();
    std::vector<AnsiString> sale;
    for (size_t i = before; i < frames.size(); ++i) {
      if (frames[i].compare(0, 3, ".27") != 0) sale.push_back(frames[i]);
    }
    std::vector<AnsiString> expected = c.frames;
    expected.push_back(".1001000000001000}");
    ASSERT_GE(sale.size(), expected.size());
    EXPECT_EQ(std::vector<AnsiString>(sale.begin(), sale.begin() + expected.size()), expected);
  }
}

// Two cash movements of one method: two payments, or one summed payment when
// the till pays through TEF.
TEST_F(CouponCloseTest, MovementsOfOneMethodWithAndWithoutTef) {
  for (bool tef : {false, true}) {
    Package().ResetGlobals();
    ForgetFrames();
    ClosingList list;
    list[9] = "S";
    list[11] = tef;
    list[13] = MovementsPacket({{"E", "001", 10}, {"E", "001", 2.5}, {"S", "001", 99}});
    EXPECT_TRUE(Close(list));
    if (tef) {
      EXPECT_EQ(FramesOf(".10"), std::vector<AnsiString>{".1001000000001250}"});
    } else {
      EXPECT_EQ(FramesOf(".10"),
                (std::vector<AnsiString>{".1001000000001000}", ".1001000000000250}"}));
    }
  }
}

// The host's dataset may have indexes of its own; the payments keep the
// order of their change order and their kinds.
TEST_F(CouponCloseTest, MovementsWithTheHostsOwnIndex) {
  ClosingList list;
  list[14] = MethodsPacket({{"001", "01", ""}, {"002", "02", ""}, {"003", "03", ""}});
  list[13] = MovementsPacket({{"E", "003", 3, "2"}, {"E", "001", 1, "2"}, {"E", "002", 2, "1"}}, true);
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(FramesOf(".10"), (std::vector<AnsiString>{".1002000000000200}", ".1003000000000300}",
                                                      ".1001000000000100}"}));
}

TEST_F(CouponCloseTest, PaymentCodes) {
  ClosingList list;
  list[14] = MethodsPacket({{"001", "01", ""}, {"X07", "", ""}, {"C05", "04", ""}});
  list[13] = MovementsPacket({
      {"E", "CRT", 3, "", "BANCO1", "C05"},  // a card: the method it came from
      {"T", "Y09", 2},                       // unknown to the host: its own code, not another's
      {"E", "X07", 1},                       // no printer position: characters 2-3 of its code
  });
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(FramesOf(".10"), (std::vector<AnsiString>{".1004000000000300}", ".1009000000000200}",
                                                      ".1007000000000100}"}));
}

TEST_F(CouponCloseTest, SaleWithoutAPayingMovement) {
  ClosingList list;
  list[13] = MovementsPacket({{"S", "001", 5}, {"X", "001", 1}});
  EXPECT_TRUE(Close(list));
  EXPECT_TRUE(FramesOf(".10").empty());
  EXPECT_TRUE(FramesOf(".12N").empty());
  EXPECT_EQ(result, VarArrayOf({0, "000057", "", ""}));
}

TEST_F(CouponCloseTest, ChangeVoucher) {
  for (bool totalizerAdds : {false, true}) {
    Package().ResetGlobals();
    ForgetFrames();
    Package().Global<bool>("boTotalCV") = totalizerAdds;
    ClosingList list;
    list[0] = "05";
    list[4] = true;
    list[7] = 3.2;
    list[13] = MovementsPacket({{"E", "001", 20}});
    EXPECT_TRUE(Close(list));
    std::vector<AnsiString> after;
    bool closed = false;
    for (const AnsiString& frame : Frames()) {
      if (closed) after.push_back(frame);
      closed = closed || frame.compare(0, 5, ".12N0") == 0;
    }
    std::vector<AnsiString> expected = {".19      }", ".0705000000000320" + AnsiString(40, ' ') + "}"};
    if (totalizerAdds) expected.push_back(".1001000000000320}");
    expected.push_back(".12N}");
    EXPECT_EQ(after, expected) << totalizerAdds;
  }
}

// A sale paid with a method without a printer position: the voucher's payment
// takes characters 2-3 of the method's code, as the sale's payment did.
TEST_F(CouponCloseTest, ChangeVoucherPaidWithAMethodWithoutAPosition) {
  Package().Global<bool>("boTotalCV") = true;
  ClosingList list;
  list[0] = "05";
  list[4] = true;
  list[7] = 3.2;
  list[13] = MovementsPacket({{"E", "X07", 20}});
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(FramesOf(".10"), (std::vector<AnsiString>{".1007000000002000}", ".1007000000000320}"}));
  EXPECT_EQ(FramesOf(".12N").size(), 2u);
}

TEST_F(CouponCloseTest, ChangeVoucherWithoutItsTotalizer) {
  ClosingList list;
  list[4] = true;
  list[7] = 3.2;
  list[13] = MovementsPacket({{"E", "001", 20}});
  EXPECT_FALSE(Close(list));
  EXPECT_EQ(FramesOf(".12N").size(), 1u);  // the coupon itself is closed
  EXPECT_TRUE(FramesOf(".19").empty());
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_EQ(host_->dialogs[0].text.rfind("Opera\xE7\xE3o bloqueada.", 0), 0u);
  EXPECT_EQ(host_->dialogs[0].kind, tmErro);
  EXPECT_EQ(result, VarArrayOf({"unset", "unset", "unset", "unset"}));
}

TEST_F(CouponCloseTest, RefusedPaymentOnATefTill) {
  ClosingList list;
  list[9] = "S";
  list[11] = true;
  list[13] = MovementsPacket({{"E", "001", 10}});
  Script().Refuse("10");
  host_->Answer({true});
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(FramesOf(".10").size(), 2u);
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{kNotResponding});

  // A no leaves the coupon open and the result untouched.
  Script().Refuse("10");
  host_->Answer({false});
  EXPECT_FALSE(Close(list));
  EXPECT_EQ(result, VarArrayOf({"unset", "unset", "unset", "unset"}));
  EXPECT_TRUE(ClieUtil());
}

TEST_F(CouponCloseTest, RefusalsWithoutAQuestionEndTheClosing) {
  struct Case {
    const char* name;
    const char* refused;
    bool attended;
    AnsiString tefMode;
  } cases[] = {
      {"discount, no TEF", "03", true, "N"},
      {"payment on a self-service terminal", "10", false, "S"},
      {"closing command of variant G", "12N", true, "S"},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    host_->dialogs.clear();
    NUtilTaa() = c.attended;
    ClieUtil() = true;
    Script().Refuse(c.refused);
    ClosingList list;
    list[6] = 1.0;
    list[9] = c.tefMode;
    list[11] = true;
    list[13] = MovementsPacket({{"E", "001", 10}});
    EXPECT_FALSE(Close(list)) << c.name;
    EXPECT_EQ(result, VarArrayOf({"unset", "unset", "unset", "unset"})) << c.name;
    EXPECT_TRUE(host_->dialogs.empty()) << c.name;
    // The closing command's refusal ends it without touching boClieUtil.
    EXPECT_EQ(ClieUtil(), AnsiString(c.refused) == "12N") << c.name;
  }
}

TEST_F(CouponCloseTest, StatusCheckOfATefTill) {
  ClosingList list;
  list[9] = "T";
  list[11] = true;
  list[13] = MovementsPacket({{"E", "001", 10}});
  Fault(emulator::FaultKind::kRefuse, "23", 2);
  host_->Answer({true, true});
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(FramesOf(".23").size(), 3u);
  EXPECT_EQ(host_->DialogTexts(), (std::vector<AnsiString>{kNotResponding, kNotResponding}));

  NUtilTaa() = false;
  Fault(emulator::FaultKind::kRefuse, "23", 1);
  const size_t payments = FramesOf(".10").size();
  EXPECT_FALSE(Close(list));
  EXPECT_FALSE(ClieUtil());
  EXPECT_EQ(FramesOf(".10").size(), payments);
}

// Amounts and codes that do not fit their fields stop the closing before the
// printer sees anything.
TEST_F(CouponCloseTest, MisfitsAreRefusedBeforeAnythingIsSent) {
  struct Case {
    const char* name;
    int element;
    Variant value;
    const char* mentions;
  } cases[] = {
      {"negative payment", 13, MovementsPacket({{"E", "001", 10}, {"E", "X07", -1}}), "'X07'"},
      {"payment past 12 digits", 13, MovementsPacket({{"E", "001", 1e10}}), "'001'"},
      {"method without a two-digit code", 13, MovementsPacket({{"E", "Z", 1}}), "'Z'"},
      {"surcharge past 11 digits", 8, 1e9, "Acr\xE9scimo"},
      {"voucher totalizer of one digit", 0, "5", "'5'"},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    ForgetFrames();
    ClosingList list;
    list[4] = true;
    list[0] = "05";
    list[7] = 1.0;
    list[13] = MovementsPacket({{"E", "001", 10}});
    list[c.element] = c.value;
    EXPECT_FALSE(Close(list)) << c.name;
    EXPECT_TRUE(Frames().empty()) << c.name;
    EXPECT_EQ(result, VarArrayOf({"unset", "unset", "unset", "unset"})) << c.name;
    EXPECT_NE(MensagemTaa().find(c.mentions), AnsiString::npos) << c.name << ": " << MensagemTaa();
    EXPECT_FALSE(ClieUtil());
  }
}

TEST_F(CouponCloseTest, ListsAndResultsThatCannotBeUsed) {
  ClosingList list;
  std::vector<Variant>& items = list.Items();
  auto close = Package().Op<FechaCupomFn>("FechaCupom");

  result = VarArrayOf({"unset", "unset", "unset", "unset"});
  EXPECT_FALSE(close(items.data(), 59, nullptr, result));
  EXPECT_FALSE(close(nullptr, 60, nullptr, result));
  OleVariant small = VarArrayOf({"a", "b", "c"});
  EXPECT_FALSE(close(items.data(), 60, nullptr, small));
  OleVariant notArray = "x";
  EXPECT_FALSE(close(items.data(), 60, nullptr, notArray));
  list[13] = Variant::Null();
  EXPECT_FALSE(close(items.data(), 60, nullptr, result));
  list[13] = "not a packet";
  EXPECT_FALSE(close(items.data(), 60, nullptr, result));

  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(result, VarArrayOf({"unset", "unset", "unset", "unset"}));
  ASSERT_EQ(host_->dialogs.size(), 6u);
  EXPECT_NE(host_->dialogs[0].text.find("60 elementos"), AnsiString::npos) << host_->dialogs[0].text;
  EXPECT_EQ(host_->dialogs[5].text.rfind("Erro no recebimento dos par\xE2metros da fun\xE7\xE3o: FechaCupom", 0),
            0u);
}

// Every element is read before the first command: one that does not convert
// refuses the closing with the element's number, and the printer sees
// nothing (a non-boolean element 4 used to close the coupon first and fail
// after).
TEST_F(CouponCloseTest, UnreadableElementRefusesTheClosingBeforeSending) {
  struct Case {
    int element;
    Variant value;
  } cases[] = {
      {4, "talvez"}, {6, "not a number"}, {11, "x"}, {37, "not a number"},
      {43, Variant::Null()}, {58, "1,2,3"}, {60, "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.element);
    Package().ResetGlobals();
    ForgetFrames();
    ClosingList list;
    list[13] = MovementsPacket({{"E", "001", 10}});
    list[c.element] = c.value;
    EXPECT_FALSE(Close(list));
    EXPECT_TRUE(Frames().empty());
    EXPECT_EQ(result, VarArrayOf({"unset", "unset", "unset", "unset"}));
    EXPECT_NE(MensagemTaa().find("FechaCupom"), AnsiString::npos) << MensagemTaa();
    EXPECT_NE(MensagemTaa().find("elemento " + mdx::IntToStr(c.element) + ":"), AnsiString::npos)
        << MensagemTaa();
  }
}

}  // namespace
}  // namespace mdx::test

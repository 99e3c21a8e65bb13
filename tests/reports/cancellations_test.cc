// Cancelling an item and the whole coupon as a host calls it.
#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using LastItemFn = bool (*)(Text);
using WText = const WideString&;
using ItemFn = bool (*)(Text, Text, WText, WText, WText, WText, WText, WText, WText, double,
                        double);
using CouponFn = bool (*)(const Variant*, int, OleVariant&);

class CancellationsTest : public ReportTest {
 protected:
  bool CancelCoupon(std::vector<Variant> params, OleVariant& result) {
    return Op<CouponFn>("Cancela_Cupom_Imp")(params.data(), static_cast<int>(params.size()) - 1,
                                             result);
  }
  static std::vector<Variant> List() {
    return {"001", true, false, Variant::Null(), "1", "2", "SW0000001"};
  }
};

TEST_F(CancellationsTest, ItemCancellationsSendTheItemUnchanged) {
  // The printer does not take "04" yet; the frames are what matters here.
  Recorder().accepted = {"04"};
  EXPECT_TRUE(Op<LastItemFn>("Cancela_UltimoItem")("001"));
  EXPECT_TRUE(Op<ItemFn>("Cancela_ItGenerico")("001", "003", L"a", L"b", L"c", L"d", L"e", L"f",
                                               L"g", 1.5, 2.5));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".04}", ".04003}"}));

  // A refusal is only logged (own error handling).
  Recorder().accepted.clear();
  Fault(emulator::FaultKind::kRefuse, "04", 2);
  EXPECT_FALSE(Op<LastItemFn>("Cancela_UltimoItem")("001"));
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : \x1B.04}");
  EXPECT_FALSE(Op<ItemFn>("Cancela_ItGenerico")("001", "012", L"", L"", L"", L"", L"", L"", L"",
                                                0, 0));
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : \x1B.04012}");
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(CancellationsTest, CouponCancellationRefreshesTheGrandTotal) {
  ASSERT_TRUE(Send("17", {""}, true, false));
  const int coo = Printer().State().counters.coo;
  ForgetFrames();
  // Without a configuration file the grand-total refresh fails, and says so
  // in a dialog while boClieUtil is false: that dialog shows it ran.
  ClieUtil() = false;
  OleVariant result = VarArrayCreate(0, 1);
  EXPECT_TRUE(CancelCoupon(List(), result));
  EXPECT_EQ(result[0].AsString(), AnsiString(6 - std::to_string(coo).size(), '0') + std::to_string(coo));
  EXPECT_EQ(FramesOf(".05"), (std::vector<AnsiString>{".05}"}));
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  EXPECT_EQ(host_->dialogs.size(), 1u);

  // Nothing to cancel: "05" refused, the grand total refreshed all the same.
  host_->dialogs.clear();
  ForgetFrames();
  EXPECT_FALSE(CancelCoupon(List(), result));
  EXPECT_EQ(FramesOf(".05").size(), 1u);
  EXPECT_EQ(host_->dialogs.size(), 1u);
}

TEST_F(CancellationsTest, PrinterOffCancelsNothing) {
  ASSERT_TRUE(Send("17", {""}, true, false));
  ForgetFrames();
  ClieUtil() = false;
  Fault(emulator::FaultKind::kNoAnswer, "", emulator::kEveryTime);
  OleVariant result = VarArrayOf({"host", "other"});
  EXPECT_FALSE(CancelCoupon(List(), result));
  EXPECT_EQ(result[0].AsString(), "");
  EXPECT_EQ(result[1].AsString(), "other");
  EXPECT_TRUE(FramesOf(".05").empty());
  EXPECT_TRUE(FramesOf(".27").size() >= 1u);
  // No grand-total refresh (its failure would show with boClieUtil false).
  EXPECT_TRUE(host_->dialogs.empty());
  Printer().ClearFaults();
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kFiscalCoupon);
}

TEST_F(CancellationsTest, ListThatCannotBeReadIsRefusedBeforeSending) {
  NUtilTaa() = false;
  OleVariant result = VarArrayCreate(0, 0);
  std::vector<Variant> shortList = List();
  shortList.pop_back();
  std::vector<Variant> nullScheme = List();
  nullScheme[0] = Variant::Null();
  std::vector<Variant> badFlag = List();
  badFlag[1] = "maybe";
  for (const auto& params : {shortList, nullScheme, badFlag}) {
    MensagemTaa().clear();
    EXPECT_FALSE(CancelCoupon(params, result));
    EXPECT_NE(MensagemTaa().find("Cancela_Cupom_Imp - Mdx_00200.bpl"), AnsiString::npos);
  }
  EXPECT_FALSE(Op<CouponFn>("Cancela_Cupom_Imp")(nullptr, 6, result));
  OleVariant notAnArray = "x";
  EXPECT_FALSE(CancelCoupon(List(), notAnArray));
  OleVariant noCellZero = VarArrayCreate(1, 2);
  EXPECT_FALSE(CancelCoupon(List(), noCellZero));
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(result[0].AsString(), "");
}

}  // namespace
}  // namespace mdx::test

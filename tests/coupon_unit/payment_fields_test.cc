// The amount commands of the closing, built without a printer.
#include <gtest/gtest.h>

#include <cmath>

#include "coupon/amount_field.h"
#include "coupon/payment_fields.h"
#include "mdx00200/format_settings.h"

namespace Mdx00200::coupon {
namespace {

using mdx::AnsiString;
using Params = std::vector<AnsiString>;

TEST(PaymentFieldsTest, SubtotalAdjustments) {
  Params params;
  ASSERT_EQ(SubtotalDiscountParams(1.0, params), "");
  EXPECT_EQ(params, (Params{"          ", "000000000100", "N"}));
  ASSERT_EQ(SubtotalSurchargeParams(1.0, params), "");
  EXPECT_EQ(params, (Params{"0000", "00000000100", "N"}));

  // The surcharge has one integer digit less than the discount.
  ASSERT_EQ(SubtotalDiscountParams(1e9, params), "");
  EXPECT_EQ(params[1], "100000000000");
  EXPECT_NE(SubtotalSurchargeParams(1e9, params), "");
  EXPECT_EQ(params[1], "100000000000");  // left as it was
  ASSERT_EQ(SubtotalSurchargeParams(999999999.99, params), "");
  EXPECT_EQ(params[1], "99999999999");

  // An adjustment that is zero in cents is not sent: the printer would
  // refuse it and the coupon would stay in its totalling phase.
  ASSERT_EQ(SubtotalDiscountParams(0.004, params), "");
  EXPECT_TRUE(params.empty());
  ASSERT_EQ(SubtotalSurchargeParams(0.0049, params), "");
  EXPECT_TRUE(params.empty());
  EXPECT_NE(SubtotalDiscountParams(-0.004, params), "");
}

// Payment amounts are rounded to the cent by the format, never truncated.
TEST(PaymentFieldsTest, PaymentAmounts) {
  struct Case {
    double amount;
    const char* param;
  } cases[] = {
      {12.5, "01000000001250"},
      {0.999, "01000000000100"},
      {12.345, "01000000001235"},
      {0, "01000000000000"},
      {9999999999.99, "01999999999999"},
  };
  for (char separator : {',', '.'}) {
    mdx::FormatSettingsGuard guard;
    mdx::FormatSettings().DecimalSeparator = separator;
    for (const Case& c : cases) {
      Params params;
      ASSERT_EQ(PaymentParams("001", "01", c.amount, params), "") << c.amount;
      EXPECT_EQ(params, Params{c.param}) << c.amount;
    }
  }
}

TEST(PaymentFieldsTest, WhatDoesNotFitIsRefused) {
  Params params{"untouched"};
  const char* badCodes[] = {"", "7", "007", "X7", " 7"};
  for (const char* code : badCodes) {
    const AnsiString misfit = PaymentParams("X07", code, 1, params);
    EXPECT_NE(misfit.find("'X07'"), AnsiString::npos) << code << ": " << misfit;
  }
  const double badAmounts[] = {-0.01, 1e10, NAN, INFINITY};
  for (double amount : badAmounts) {
    EXPECT_NE(PaymentParams("001", "01", amount, params), "") << amount;
    EXPECT_NE(VoucherAmountParams("05", amount, params), "") << amount;
    EXPECT_NE(SubtotalDiscountParams(amount, params), "") << amount;
  }
  EXPECT_NE(VoucherAmountParams("5", 1, params), "");
  EXPECT_EQ(params, Params{"untouched"});
}

TEST(PaymentFieldsTest, VoucherAmount) {
  Params params;
  ASSERT_EQ(VoucherAmountParams("05", 3.2, params), "");
  EXPECT_EQ(params, (Params{"05", "000000000320", AnsiString(40, ' ')}));
}

TEST(PaymentFieldsTest, AmountFieldWidths) {
  AnsiString field = "x";
  EXPECT_TRUE(AmountField(1.5, 4, 3, field));
  EXPECT_EQ(field, "0001500");
  EXPECT_FALSE(AmountField(-0.5, 4, 3, field));
  EXPECT_EQ(field, "0001500");
  // A negative value is refused even when it rounds to zero; the dust of a
  // computation that should give zero is zero.
  EXPECT_FALSE(AmountField(-0.001, 10, 2, field));
  EXPECT_EQ(field, "0001500");
  EXPECT_TRUE(AmountField(0.3 - 0.1 - 0.2, 10, 2, field));
  EXPECT_EQ(field, "000000000000");
  EXPECT_TRUE(IsZeroField(field));
  EXPECT_TRUE(AmountField(0.004, 10, 2, field));
  EXPECT_TRUE(IsZeroField(field));
  EXPECT_TRUE(AmountField(0.005, 10, 2, field));
  EXPECT_FALSE(IsZeroField(field));
  EXPECT_EQ(LargestAmountText(9, 2), "999999999,99");
}

}  // namespace
}  // namespace Mdx00200::coupon

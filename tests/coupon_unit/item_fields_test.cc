// The item fields of "01", "02" and "60", built without a printer.
#include <gtest/gtest.h>

#include <cmath>

#include "coupon/item_fields.h"
#include "mdx00200/format_settings.h"

namespace Mdx00200::coupon {
namespace {

using mdx::AnsiString;

ItemInput Cafe() {
  ItemInput item;
  item.code = "789";
  item.name = "CAFE";
  item.unit = "KG";
  item.rate = "T18";
  item.quantity = 2;
  item.price = 3.5;
  return item;
}

TEST(ItemFieldsTest, TheCafeItem) {
  ItemFields f;
  ASSERT_EQ(BuildItemFields(Cafe(), f), "");
  EXPECT_EQ(f.code, "0000000000789");
  EXPECT_EQ(f.quantity, "0002000");
  EXPECT_EQ(f.unitPrice, "000000350");
  EXPECT_EQ(f.lineTotal, "000000000700");
  EXPECT_EQ(f.description, "?KGCAFE" + AnsiString(17, ' '));
  EXPECT_EQ(f.rate, "T18");
  EXPECT_EQ(f.discount, "");
  EXPECT_EQ(f.surcharge, "");
}

// Quantity, price and totals are truncated, never rounded, and the fields
// do not depend on the decimal separator of the settings.
TEST(ItemFieldsTest, NumbersAreTruncatedToTheirFields) {
  struct Case {
    double quantity, price, discount;
    const char *quantityField, *priceField, *totalField, *discountField;
  } cases[] = {
      {1.25, 1, 0, "0001250", "000000100", "000000000125", ""},
      {0.3333, 10, 0, "0000333", "000001000", "000000000333", ""},
      {2, 1.999, 0, "0002000", "000000199", "000000000398", ""},
      {3, 3.339, 0.019, "0003000", "000000333", "000000000999", "000000000001"},
      // The line total is the quantity as sent times the price as sent, as
      // the printer checks it: 9999,999 x 999999,99, and 1,000 x 100,00.
      {9999.9999, 999999.999, 0, "9999999", "099999999", "999999890000", ""},
      {1.0005, 100, 0, "0001000", "000010000", "000000010000", ""},
      // A discount that truncates to zero cents is no discount.
      {1, 1, 0.004, "0001000", "000000100", "000000000100", ""},
      {1, 1, 0.0099, "0001000", "000000100", "000000000100", ""},
      {1234, 0, 9999999999.999, "1234000", "000000000", "000000000000", "999999999999"},
      {0, 5, 0, "0000000", "000000500", "000000000000", ""},
  };
  for (char separator : {',', '.'}) {
    mdx::FormatSettingsGuard guard;
    mdx::FormatSettings().DecimalSeparator = separator;
    for (const Case& c : cases) {
      ItemInput item = Cafe();
      item.quantity = c.quantity;
      item.price = c.price;
      item.discount = c.discount;
      ItemFields f;
      ASSERT_EQ(BuildItemFields(item, f), "") << c.quantity << " x " << c.price;
      EXPECT_EQ(f.quantity, c.quantityField) << c.quantity;
      EXPECT_EQ(f.unitPrice, c.priceField) << c.price;
      EXPECT_EQ(f.lineTotal, c.totalField) << c.quantity << " x " << c.price;
      EXPECT_EQ(f.discount, c.discountField) << c.discount;
    }
  }
}

TEST(ItemFieldsTest, TextsAreCutOrFilled) {
  ItemInput item = Cafe();
  item.unit = "";
  item.name = "ACHOCOLATADO EM PO LATA 400G";
  item.rate = "T1800";
  item.code = "7891234567890";
  ItemFields f;
  ASSERT_EQ(BuildItemFields(item, f), "");
  EXPECT_EQ(f.description, "ACHOCOLATADO EM PO LATA ");
  EXPECT_EQ(f.rate, "T18");
  EXPECT_EQ(f.code, "7891234567890");
}

TEST(ItemFieldsTest, ValuesThatDoNotFitAreNamed) {
  struct Case {
    const char* name;
    double quantity, price, discount, surcharge;
    const char* starts;
  } cases[] = {
      {"quantity 10000", 10000, 1, 0, 0, "QTDE 10000 "},
      {"quantity 10000 with a fraction", 10000.5, 1, 0, 0, "QTDE 10000,5 "},
      {"negative quantity", -0.5, 1, 0, 0, "QTDE -0,5 "},
      {"quantity not a number", NAN, 1, 0, 0, "QTDE ? "},
      {"price 1000000", 1, 1000000, 0, 0, "VALOR 1000000 "},
      {"price of infinity", 1, INFINITY, 0, 0, "VALOR ? "},
      {"negative price", 1, -0.01, 0, 0, "VALOR -0,01 "},
      {"discount past 12 digits", 1, 1, 1e10, 0, "DESCONT 10000000000 "},
      {"negative discount", 1, 1, -0.01, 0, "DESCONT -0,01 "},
      {"negative surcharge", 1, 1, 0, -2, "ACRESCIMO -2 "},
      {"negative discount that truncates to zero", 1, 1, -0.004, 0, "DESCONT -0,004 "},
      {"negative surcharge that truncates to zero", 1, 1, 0, -0.004, "ACRESCIMO -0,004 "},
  };
  for (const Case& c : cases) {
    ItemInput item = Cafe();
    item.quantity = c.quantity;
    item.price = c.price;
    item.discount = c.discount;
    item.surcharge = c.surcharge;
    ItemFields f;
    const AnsiString misfit = BuildItemFields(item, f);
    EXPECT_EQ(misfit.rfind(c.starts, 0), 0u) << c.name << ": " << misfit;
  }

  ItemInput item = Cafe();
  item.code = "78912345678901";
  ItemFields f;
  EXPECT_NE(BuildItemFields(item, f), "");
}

// Rounding dust below a cent is no negative amount.
TEST(ItemFieldsTest, DustBelowACentIsNoAmount) {
  ItemInput item = Cafe();
  item.discount = -1e-12;
  item.price = -1e-12;
  ItemFields f;
  ASSERT_EQ(BuildItemFields(item, f), "");
  EXPECT_EQ(f.discount, "");
  EXPECT_EQ(f.unitPrice, "000000000");
}

}  // namespace
}  // namespace Mdx00200::coupon

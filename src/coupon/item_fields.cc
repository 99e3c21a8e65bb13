#include "coupon/item_fields.h"

#include <cmath>

#include "coupon/amount_field.h"
#include "mdx00200/format_settings.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"

namespace Mdx00200::coupon {

using mdx::AnsiString;

namespace {

constexpr size_t kCodeWidth = 13;
constexpr double kQuantityLimit = 10000;  // 4 integer digits
constexpr double kPriceLimit = 1000000;   // 6 integer digits

// The quantity as the printer will read it: a whole one as it is, one with
// a fraction truncated to the field's 3 decimals.
double SentQuantity(double quantity) {
  return quantity == std::floor(quantity) ? quantity : Consiste::Trunc3(quantity);
}

// 4 integer and 3 decimal digits. A whole quantity is written from its
// integer text; one with a fraction is truncated to 3 decimals first.
bool QuantityField(double quantity, AnsiString& field) {
  if (!std::isfinite(quantity) || quantity < 0 || quantity >= kQuantityLimit) return false;
  if (quantity != std::floor(quantity)) return AmountField(SentQuantity(quantity), 4, 3, field);
  AnsiString text = Consiste::AjustaZero(mdx::IntToStr(static_cast<long long>(quantity)), 4);
  if (text.size() == 4) text += "000";
  field = text;
  return true;
}

// 8 digits (6 + 2 implied decimals) of the truncated price, zero-filled to 9.
bool UnitPriceField(double price, AnsiString& field) {
  if (!std::isfinite(price)) return false;
  const double truncated = Consiste::Trunc2(price);
  if (truncated >= kPriceLimit) return false;
  AnsiString digits;
  if (!AmountField(truncated, 6, 2, digits)) return false;
  field = Consiste::AjustaZero(digits, 9);
  return true;
}

AnsiString Shown(double value) { return std::isfinite(value) ? mdx::FloatToStr(value) : "?"; }

// "" for no amount, the 12 digits for one above 0; false for a negative
// one. An amount that truncates to zero cents is no amount: the printer
// refuses a "02" or "60" of zeros, after the item is already registered.
bool AdjustmentField(double amount, AnsiString& field) {
  field.clear();
  if (!std::isfinite(amount) || IsNegativeAmount(amount)) return false;
  if (amount <= 0) return true;
  AnsiString digits;
  if (!AmountField(Consiste::Trunc2(amount), 10, 2, digits)) return false;
  if (!IsZeroField(digits)) field = digits;
  return true;
}

}  // namespace

AnsiString BuildItemFields(const ItemInput& item, ItemFields& fields) {
  if (item.code.size() > kCodeWidth)
    return "CDARVPROD '" + item.code + "' tem mais de 13 caracteres.";
  fields.code = Consiste::AjustaZero(item.code, static_cast<int>(kCodeWidth));

  if (!QuantityField(item.quantity, fields.quantity))
    return "QTDE " + Shown(item.quantity) + " fora do campo de quantidade (0 a " +
           LargestAmountText(4, 3) + ").";
  if (!UnitPriceField(item.price, fields.unitPrice))
    return "VALOR " + Shown(item.price) + " fora do campo de pre\xE7o unit\xE1rio (0 a " +
           LargestAmountText(6, 2) + ").";
  const double total =
      Consiste::Trunc2(Consiste::Trunc2(item.price) * SentQuantity(item.quantity));
  if (!AmountField(total, 10, 2, fields.lineTotal))
    return "Total do item " + Shown(total) + " fora do campo de 12 d\xEDgitos.";

  const AnsiString description = item.unit.empty() ? item.name : "?" + item.unit + item.name;
  fields.description = Consiste::TamFixo(description, 24);
  fields.rate = Consiste::TamFixo(item.rate, 3);

  if (!AdjustmentField(item.discount, fields.discount))
    return "DESCONT " + Shown(item.discount) + " fora do campo de desconto (0 a " +
           LargestAmountText(10, 2) + ").";
  if (!AdjustmentField(item.surcharge, fields.surcharge))
    return "ACRESCIMO " + Shown(item.surcharge) + " fora do campo de acr\xE9scimo (0 a " +
           LargestAmountText(10, 2) + ").";
  return "";
}

}  // namespace Mdx00200::coupon

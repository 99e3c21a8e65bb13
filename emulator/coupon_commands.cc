#include "emulator/coupon_commands.h"

#include <optional>

#include "emulator/day_rules.h"
#include "emulator/digit_fields.h"
#include "emulator/documents.h"
#include "emulator/item_arithmetic.h"
#include "emulator/item_description.h"
#include "emulator/reply_builder.h"
#include "emulator/sale_tape.h"
#include "emulator/sale_totals.h"
#include "emulator/table_entries.h"
#include "emulator/tax_buckets.h"

namespace mdx::emulator {

namespace {

// Layout of "01": widths in order.
constexpr size_t kQuantityWidth = 7;
constexpr size_t kPriceWidth = 9;
constexpr size_t kLineTotalWidth = 12;
constexpr size_t kItemLength =
    kItemCodeWidth + kQuantityWidth + kPriceWidth + kLineTotalWidth + kItemDescriptionWidth +
    kTaxCodeWidth;

// Layout of "02" / "60", "03" and "1151".
constexpr char kAdjustmentLead[] = "0000";
constexpr size_t kAmountWidth = 12;
constexpr size_t kSurchargeAmountWidth = 11;
constexpr size_t kDiscountBlanks = 10;
constexpr char kSurchargeCode[] = "51";

bool AllPrintable(std::string_view text) {
  for (char c : text) {
    if (!IsPrintable(c)) return false;
  }
  return true;
}

// The refusal of a command of the item phase, or nullopt when a coupon is
// open and still taking items.
std::optional<AnsiString> ItemPhaseRefusal(const PrinterState& s) {
  if (s.document != DocumentKind::kFiscalCoupon || s.couponPaying) {
    return Refused(kStatusWrongState);
  }
  return std::nullopt;
}

// "0000" + an amount of `width` digits, making up the whole of `params`.
std::optional<int64_t> LeadAndAmount(std::string_view params, size_t width) {
  const std::string_view lead = kAdjustmentLead;
  if (params.size() != lead.size() + width || params.substr(0, lead.size()) != lead) {
    return std::nullopt;
  }
  return ReadDigits(params.substr(lead.size()));
}

AnsiString AdjustLastItem(CommandContext& context, const AnsiString& params, bool discount) {
  const std::optional<int64_t> amount = LeadAndAmount(params, kAmountWidth);
  if (!amount) return Refused(kStatusBadParameters);
  const PrinterState& current = context.State();
  if (std::optional<AnsiString> refusal = ItemPhaseRefusal(current)) return *refusal;
  if (current.coupon.items.empty()) return Refused(kStatusWrongState);
  const CouponItem& last = current.coupon.items.back();
  if (last.cancelled || (discount ? last.discount : last.surcharge) != 0) {
    return Refused(kStatusWrongState);
  }
  if (*amount == 0) return Refused(kStatusBadAmount);
  if (discount && *amount > ItemValue(last)) return Refused(kStatusBadAmount);
  if (!discount && *amount > kLargestAmount - Subtotal(current.coupon)) {
    return Refused(kStatusBadAmount);
  }

  PrinterState& s = context.Change();
  if (!(discount ? AddRegisteredDiscount(s, *amount) : AddRegisteredSurcharge(s, *amount))) {
    return Refused(kStatusBadAmount);
  }
  CouponItem& item = s.coupon.items.back();
  (discount ? item.discount : item.surcharge) = *amount;
  PrintItemAdjustment(s, static_cast<int>(s.coupon.items.size()), discount, *amount);
  return Accepted();
}

AnsiString AdjustSubtotal(CommandContext& context, int64_t amount, bool discount) {
  const PrinterState& current = context.State();
  if (std::optional<AnsiString> refusal = ItemPhaseRefusal(current)) return *refusal;
  if (current.coupon.items.empty()) return Refused(kStatusWrongState);
  const int64_t subtotal = Subtotal(current.coupon);
  if (amount == 0 || subtotal == 0) return Refused(kStatusBadAmount);
  if (discount && amount > subtotal) return Refused(kStatusBadAmount);
  if (!discount && amount > kLargestAmount - subtotal) return Refused(kStatusBadAmount);

  PrinterState& s = context.Change();
  if (!(discount ? AddRegisteredDiscount(s, amount) : AddRegisteredSurcharge(s, amount))) {
    return Refused(kStatusBadAmount);
  }
  (discount ? s.coupon.subtotalDiscount : s.coupon.subtotalSurcharge) = amount;
  s.couponPaying = true;
  PrintSubtotalAdjustment(s, subtotal, discount, amount);
  PrintTotal(s, CouponTotal(s.coupon));
  return Accepted();
}

}  // namespace

AnsiString OpenCoupon(CommandContext& context, const AnsiString& params) {
  if (params.size() > kLongestConsumerId || !AllPrintable(params)) {
    return Refused(kStatusBadParameters);
  }
  const PrinterState& current = context.State();
  if (current.document != DocumentKind::kNone) return RefusedDocumentOpen();
  if (std::optional<AnsiString> refusal = DayRefusal(current, context.Now())) return *refusal;

  PrinterState& s = context.Change();
  StartDocument(s, context.Now(), DetailKind::kFiscalCoupon, "CUPOM FISCAL",
                StoreLines(s.tapeWidth));
  s.document = DocumentKind::kFiscalCoupon;
  s.couponPaying = false;
  s.coupon = Coupon{};
  s.coupon.coo = s.counters.coo;
  s.coupon.consumer = Trim(params);
  s.lastCoupon = Coupon{};
  PrintCouponOpening(s, s.coupon);
  return Accepted();
}

AnsiString RegisterItem(CommandContext& context, const AnsiString& params) {
  if (params.size() != kItemLength || !AllPrintable(params)) return Refused(kStatusBadParameters);
  std::string_view fields = params;
  const auto take = [&fields](size_t width) {
    const std::string_view field = fields.substr(0, width);
    fields.remove_prefix(width);
    return field;
  };
  const std::string_view code = take(kItemCodeWidth);
  const std::optional<int64_t> quantity = ReadDigits(take(kQuantityWidth));
  const std::optional<int64_t> price = ReadDigits(take(kPriceWidth));
  const std::optional<int64_t> lineTotal = ReadDigits(take(kLineTotalWidth));
  const AnsiString description = TrimRight(AnsiString(take(kItemDescriptionWidth)));
  const std::string_view taxCode = take(kTaxCodeWidth);
  if (!quantity || !price || !lineTotal || AllBlanks(SplitDescription(description).name)) {
    return Refused(kStatusBadParameters);
  }

  const PrinterState& current = context.State();
  if (std::optional<AnsiString> refusal = ItemPhaseRefusal(current)) return *refusal;
  const std::optional<int> bucket = TaxBucket(current.taxRates, taxCode);
  if (!bucket) return Refused(kStatusUnknownEntry);
  if (*quantity == 0 || *price == 0) return Refused(kStatusBadAmount);
  if (*lineTotal != LineTotal(static_cast<int>(*quantity), *price) || *lineTotal == 0) {
    return Refused(kStatusBadAmount);
  }
  if (current.coupon.items.size() >= static_cast<size_t>(kLargestItemCount)) {
    return Refused(kStatusTableFull);
  }
  if (*lineTotal > kLargestAmount - Subtotal(current.coupon)) return Refused(kStatusBadAmount);

  CouponItem item;
  item.code = AnsiString(code);
  item.description = description;
  item.taxCode = TrimRight(AnsiString(taxCode));
  item.bucket = *bucket;
  item.quantity = static_cast<int>(*quantity);
  item.unitPrice = *price;
  item.amount = *lineTotal;
  PrinterState& s = context.Change();
  if (!AddRegisteredItem(s, item.amount)) return Refused(kStatusBadAmount);
  s.coupon.items.push_back(item);
  PrintItem(s, item, static_cast<int>(s.coupon.items.size()));
  return Accepted();
}

AnsiString ItemDiscount(CommandContext& context, const AnsiString& params) {
  return AdjustLastItem(context, params, true);
}

AnsiString ItemSurcharge(CommandContext& context, const AnsiString& params) {
  return AdjustLastItem(context, params, false);
}

AnsiString SubtotalDiscount(CommandContext& context, const AnsiString& params) {
  const std::string_view text = params;
  const size_t length = kDiscountBlanks + kAmountWidth + 1;
  if (text.size() != length || !AllBlanks(text.substr(0, kDiscountBlanks)) ||
      text.back() != 'N') {
    return Refused(kStatusBadParameters);
  }
  const std::optional<int64_t> amount = ReadDigits(text.substr(kDiscountBlanks, kAmountWidth));
  if (!amount) return Refused(kStatusBadParameters);
  return AdjustSubtotal(context, *amount, true);
}

AnsiString SubtotalSurcharge(CommandContext& context, const AnsiString& params) {
  const std::string_view text = params;
  const std::string_view code = kSurchargeCode;
  if (text.substr(0, code.size()) != code) return Refused(kStatusUnknownCommand);
  const std::string_view rest = text.substr(code.size());
  if (rest.empty() || rest.back() != 'N') return Refused(kStatusBadParameters);
  const std::optional<int64_t> amount =
      LeadAndAmount(rest.substr(0, rest.size() - 1), kSurchargeAmountWidth);
  if (!amount) return Refused(kStatusBadParameters);
  return AdjustSubtotal(context, *amount, false);
}

}  // namespace mdx::emulator

#include "emulator/item_cancelling.h"

#include <optional>

#include "emulator/digit_fields.h"
#include "emulator/item_arithmetic.h"
#include "emulator/reply_builder.h"
#include "emulator/sale_tape.h"

namespace mdx::emulator {

namespace {

constexpr size_t kLongestItemNumber = 3;

}  // namespace

AnsiString CancelItem(CommandContext& context, const AnsiString& params) {
  std::optional<int64_t> asked;  // nullopt: the last item
  if (!params.empty()) {
    if (params.size() > kLongestItemNumber) return Refused(kStatusBadParameters);
    asked = ReadDigits(params);
    if (!asked) return Refused(kStatusBadParameters);
  }
  const PrinterState& current = context.State();
  if (current.document != DocumentKind::kFiscalCoupon || current.couponPaying) {
    return Refused(kStatusWrongState);
  }
  const int64_t count = static_cast<int64_t>(current.coupon.items.size());
  const int64_t number = asked.value_or(count);
  if (number < 1 || number > count) return Refused(kStatusWrongState);
  const size_t index = static_cast<size_t>(number - 1);
  if (current.coupon.items[index].cancelled) return Refused(kStatusWrongState);

  PrinterState& s = context.Change();
  CouponItem& item = s.coupon.items[index];
  item.cancelled = true;
  PrintItemCancellation(s, static_cast<int>(number), ItemValue(item));
  return Accepted();
}

}  // namespace mdx::emulator

#include "emulator/coupon_closing.h"

#include "emulator/day_rules.h"
#include "emulator/detail_records.h"
#include "emulator/documents.h"
#include "emulator/item_arithmetic.h"
#include "emulator/paper_tape.h"
#include "emulator/payment_table.h"
#include "emulator/reply_builder.h"
#include "emulator/sale_tape.h"
#include "emulator/sale_totals.h"

namespace mdx::emulator {

namespace {

bool IsUsableMethod(const PrinterState& s, int position) {
  return position >= 1 && position <= kPaymentMethodCount &&
         !IsFree(s.paymentMethods[static_cast<size_t>(position - 1)]);
}

void PrintCancelledTotal(PrinterState& s, int64_t total) {
  PrintLeftAndRight(s.tape, s.tapeWidth, "TOTAL CANCELADO R$", AmountText(total));
}

}  // namespace

AnsiString CouponPayment(CommandContext& context, const PositionAndAmount& payment) {
  const PrinterState& current = context.State();
  const Coupon& coupon = current.coupon;
  const int64_t total = CouponTotal(coupon);
  const int64_t paid = Paid(coupon.payments);
  if (coupon.items.empty() || paid >= total) return Refused(kStatusWrongState);
  if (!IsUsableMethod(current, payment.position)) return Refused(kStatusUnknownEntry);
  if (payment.amount == 0 || payment.amount > kLargestAmount - paid) {
    return Refused(kStatusBadAmount);
  }
  if (coupon.payments.size() >= static_cast<size_t>(kLargestPaymentCount)) {
    return Refused(kStatusTableFull);
  }
  if (!ChangeFromCash(coupon.payments, total, payment.position, payment.amount)) {
    return Refused(kStatusBadAmount);
  }

  PrinterState& s = context.Change();
  if (!AddCouponPayment(s, {payment.position, payment.amount})) return Refused(kStatusBadAmount);
  if (!s.couponPaying) PrintTotal(s, total);
  s.couponPaying = true;
  s.coupon.payments.push_back({payment.position, payment.amount});
  PrintPayment(s, s.coupon.payments.back());
  return Accepted();
}

AnsiString CloseCoupon(CommandContext& context, const std::vector<AnsiString>& footer) {
  const Coupon& open = context.State().coupon;
  if (open.items.empty()) return Refused(kStatusWrongState);
  const int64_t total = CouponTotal(open);
  const int64_t paid = Paid(open.payments);
  if (paid < total) return Refused(kStatusNotPaid);

  PrinterState& s = context.Change();
  if (!AddClosedCoupon(s, s.coupon)) return Refused(kStatusBadAmount);
  if (!s.couponPaying) PrintTotal(s, total);
  PrintChange(s, Change(total, paid));
  PrintFooterRule(s);
  for (const AnsiString& line : footer) PrintInDocument(s, line);
  PrintPrinterIdentity(s);
  EndDocument(s);
  s.document = DocumentKind::kNone;
  s.couponPaying = false;
  s.lastCouponCoo = s.counters.coo;
  s.lastCoupon = std::move(s.coupon);
  s.coupon = Coupon{};
  return Accepted();
}

AnsiString CancelCoupon(CommandContext& context, const AnsiString& params) {
  if (!params.empty()) return Refused(kStatusBadParameters);
  const PrinterState& current = context.State();
  if (current.document == DocumentKind::kManagementReport ||
      current.document == DocumentKind::kNonFiscalReceipt) {
    return RefusedDocumentOpen();
  }
  if (current.document == DocumentKind::kFiscalCoupon) {
    PrinterState& s = context.Change();
    if (!CancelOpenCoupon(s, s.coupon)) return Refused(kStatusBadAmount);
    s.tape.push_back(Centred("CUPOM FISCAL CANCELADO", s.tapeWidth));
    if (!s.coupon.items.empty()) PrintCancelledTotal(s, CouponTotal(s.coupon));
    if (DetailDocument* record = EndDocument(s)) record->cancelled = true;
    s.document = DocumentKind::kNone;
    s.couponPaying = false;
    s.coupon = Coupon{};
    s.counters.cfc = NextCount(s.counters.cfc);
    return Accepted();
  }
  if (current.lastCouponCoo == 0) return Refused(kStatusWrongState);
  if (std::optional<AnsiString> refusal = DayRefusal(current, context.Now())) return *refusal;

  PrinterState& s = context.Change();
  // The amounts are known when the state holds the coupon that closed last.
  const bool known = s.lastCoupon.coo == s.lastCouponCoo;
  if (known && !CancelClosedCoupon(s, s.lastCoupon)) return Refused(kStatusBadAmount);
  const int cancelled = s.lastCouponCoo;
  DetailDocument& record = StartDocument(s, context.Now(), DetailKind::kCouponCancellation,
                                         "CANCELAMENTO DE CUPOM FISCAL");
  record.cancelledCoo = cancelled;
  s.tape.push_back("COO DO CUPOM CANCELADO: " + ZeroFilled(cancelled, 6));
  if (known) PrintCancelledTotal(s, CouponTotal(s.lastCoupon));
  EndDocument(s);
  if (DetailDocument* coupon = FindCouponRecord(s, cancelled)) coupon->cancelled = true;
  s.lastCoupon = Coupon{};
  s.counters.cfc = NextCount(s.counters.cfc);
  return Accepted();
}

}  // namespace mdx::emulator

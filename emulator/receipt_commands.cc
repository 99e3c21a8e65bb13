#include "emulator/receipt_commands.h"

#include <optional>

#include "emulator/day_rules.h"
#include "emulator/documents.h"
#include "emulator/item_arithmetic.h"
#include "emulator/payment_table.h"
#include "emulator/reply_builder.h"
#include "emulator/sale_tape.h"
#include "emulator/sale_totals.h"
#include "emulator/table_entries.h"
#include "emulator/totalizer_table.h"

namespace mdx::emulator {

namespace {

constexpr size_t kPositionWidth = 2;
constexpr size_t kOpeningBlanks = 6;
constexpr char kLinkedLead[] = "000000";
constexpr size_t kAmountWidth = 12;
constexpr size_t kEntryTextWidth = 40;

// What "19" asks for: an ordinary receipt (under a group or not) or a linked one.
struct Opening {
  int group = 0;        // a totalizer position; 0 = none
  bool linked = false;
  int method = 0;       // the linked receipt's payment position as sent
};

std::optional<Opening> ReadOpening(std::string_view params) {
  if (params.size() == kOpeningBlanks && AllBlanks(params)) return Opening{};
  if (params.size() != kPositionWidth + kOpeningBlanks) return std::nullopt;
  const std::string_view linkedLead = kLinkedLead;
  if (AllBlanks(params.substr(kPositionWidth))) {
    const std::optional<int64_t> group = ReadDigits(params.substr(0, kPositionWidth));
    if (!group) return std::nullopt;
    return Opening{static_cast<int>(*group), false, 0};
  }
  if (params.substr(0, linkedLead.size()) == linkedLead) {
    const std::optional<int64_t> method = ReadDigits(params.substr(linkedLead.size()));
    if (!method) return std::nullopt;
    return Opening{0, true, static_cast<int>(*method)};
  }
  return std::nullopt;
}

const Totalizer* TotalizerAt(const PrinterState& s, int position) {
  if (position < 1 || position > kTotalizerCount) return nullptr;
  const Totalizer& totalizer = s.totalizers[static_cast<size_t>(position - 1)];
  return IsFree(totalizer) ? nullptr : &totalizer;
}

bool IsUsableMethod(const PrinterState& s, int position) {
  return position >= 1 && position <= kPaymentMethodCount &&
         !IsFree(s.paymentMethods[static_cast<size_t>(position - 1)]);
}

// What the last coupon took in with the method, net of its change.
std::optional<int64_t> LastCouponPaid(const PrinterState& s, int method) {
  const Coupon& coupon = s.lastCoupon;
  const int64_t change = Change(CouponTotal(coupon), Paid(coupon.payments));
  std::optional<int64_t> paid;
  for (const Payment& payment : NetPayments(coupon.payments, change)) {
    if (payment.method == method) paid = paid.value_or(0) + payment.amount;
  }
  return paid;
}

// The marker of the receipt's entries ('+' or '-'), or ' ' before the first.
char Direction(const PrinterState& s) {
  if (s.receipt.entries.empty()) return ' ';
  const Totalizer* first = TotalizerAt(s, s.receipt.entries.front().totalizer);
  return first ? first->marker : ' ';
}

int64_t ReceiptTotal(const Receipt& receipt) {
  int64_t sum = 0;
  for (const ReceiptEntry& entry : receipt.entries) sum += entry.amount;
  return sum;
}

}  // namespace

AnsiString OpenReceipt(CommandContext& context, const AnsiString& params) {
  const std::optional<Opening> opening = ReadOpening(params);
  if (!opening) return Refused(kStatusBadParameters);
  const PrinterState& current = context.State();
  if (current.document != DocumentKind::kNone) return RefusedDocumentOpen();
  if (std::optional<AnsiString> refusal = DayRefusal(current, context.Now())) return *refusal;
  if (opening->group != 0) {
    const Totalizer* group = TotalizerAt(current, opening->group);
    if (!group || group->marker != '&') return Refused(kStatusUnknownEntry);
  }
  std::optional<int64_t> linkedAmount;
  if (opening->linked) {
    if (!IsUsableMethod(current, opening->method)) return Refused(kStatusUnknownEntry);
    if (current.lastCoupon.coo == 0) return Refused(kStatusWrongState);
    linkedAmount = LastCouponPaid(current, opening->method);
    if (!linkedAmount) return Refused(kStatusWrongState);
  }

  PrinterState& s = context.Change();
  const int couponCoo = s.lastCoupon.coo;
  if (linkedAmount) {
    StartDocument(s, context.Now(), DetailKind::kLinkedReceipt, "COMPROVANTE CREDITO OU DEBITO");
  } else {
    StartDocument(s, context.Now(), DetailKind::kNonFiscalReceipt, "COMPROVANTE NAO FISCAL");
  }
  s.document = DocumentKind::kNonFiscalReceipt;
  s.receipt = Receipt{};
  s.receipt.group = opening->group;
  if (linkedAmount) {
    s.receipt.linkedMethod = opening->method;
    PrintLinkedOpening(s, couponCoo, {opening->method, *linkedAmount});
  } else {
    PrintReceiptOpening(s);
  }
  return Accepted();
}

AnsiString RegisterReceiptAmount(CommandContext& context, const AnsiString& params) {
  const std::string_view text = params;
  if (text.size() != kPositionWidth + kAmountWidth + kEntryTextWidth) {
    return Refused(kStatusBadParameters);
  }
  const std::optional<PositionAndAmount> entry =
      ReadPositionAndAmount(text.substr(0, kPositionWidth + kAmountWidth));
  const std::string_view entryText = text.substr(kPositionWidth + kAmountWidth);
  for (char c : entryText) {
    if (!IsPrintable(c)) return Refused(kStatusBadParameters);
  }
  if (!entry) return Refused(kStatusBadParameters);

  const PrinterState& current = context.State();
  const Receipt& receipt = current.receipt;
  if (current.document != DocumentKind::kNonFiscalReceipt || receipt.linkedMethod != 0 ||
      !receipt.payments.empty()) {
    return Refused(kStatusWrongState);
  }
  const Totalizer* totalizer = TotalizerAt(current, entry->position);
  if (!totalizer || totalizer->marker == '&') return Refused(kStatusUnknownEntry);
  const char direction = Direction(current);
  if (direction != ' ' && direction != totalizer->marker) return Refused(kStatusWrongState);
  if (entry->amount == 0 || entry->amount > kLargestAmount - ReceiptTotal(receipt)) {
    return Refused(kStatusBadAmount);
  }
  if (receipt.entries.size() >= static_cast<size_t>(kLargestEntryCount)) {
    return Refused(kStatusTableFull);
  }

  PrinterState& s = context.Change();
  s.receipt.entries.push_back({entry->position, entry->amount});
  PrintReceiptEntry(s, s.receipt.entries.back(), entryText);
  return Accepted();
}

AnsiString ReceiptPayment(CommandContext& context, const PositionAndAmount& payment) {
  const PrinterState& current = context.State();
  const Receipt& receipt = current.receipt;
  const int64_t total = ReceiptTotal(receipt);
  const int64_t paid = Paid(receipt.payments);
  if (receipt.linkedMethod != 0 || receipt.entries.empty() || Direction(current) != '+' ||
      paid >= total) {
    return Refused(kStatusWrongState);
  }
  if (!IsUsableMethod(current, payment.position)) return Refused(kStatusUnknownEntry);
  if (payment.amount == 0 || payment.amount > kLargestAmount - paid) {
    return Refused(kStatusBadAmount);
  }
  if (receipt.payments.size() >= static_cast<size_t>(kLargestPaymentCount)) {
    return Refused(kStatusTableFull);
  }
  if (!ChangeFromCash(receipt.payments, total, payment.position, payment.amount)) {
    return Refused(kStatusBadAmount);
  }

  PrinterState& s = context.Change();
  if (s.receipt.payments.empty()) PrintTotal(s, total);
  s.receipt.payments.push_back({payment.position, payment.amount});
  PrintPayment(s, s.receipt.payments.back());
  return Accepted();
}

AnsiString CloseReceipt(CommandContext& context, const std::vector<AnsiString>& footer) {
  const PrinterState& current = context.State();
  const Receipt& receipt = current.receipt;
  const int64_t total = ReceiptTotal(receipt);
  const int64_t paid = Paid(receipt.payments);
  if (Direction(current) == '+' && paid < total) return Refused(kStatusNotPaid);

  PrinterState& s = context.Change();
  const int64_t change = Change(total, paid);
  if (!AddClosedReceipt(s, s.receipt, change)) return Refused(kStatusBadAmount);
  if (!s.receipt.entries.empty() && s.receipt.payments.empty()) PrintTotal(s, total);
  PrintChange(s, change);
  for (const AnsiString& line : footer) PrintInDocument(s, line);
  EndDocument(s);
  s.document = DocumentKind::kNone;
  if (!s.receipt.entries.empty()) {
    // What the day's totals took from it, for a reversal ("53").
    s.lastReceipt = s.receipt;
    s.lastReceipt.payments.clear();
    for (const Payment& payment : NetPayments(s.receipt.payments, change)) {
      if (payment.amount > 0) s.lastReceipt.payments.push_back(payment);
    }
  }
  s.receipt = Receipt{};
  return Accepted();
}

}  // namespace mdx::emulator

#include "fiscalfiles/electronic_file.h"

#include <optional>

#include "emulator/item_arithmetic.h"
#include "emulator/item_description.h"
#include "fiscalfiles/documents.h"
#include "fiscalfiles/fabrication_number.h"
#include "fiscalfiles/fixed_fields.h"

namespace mdx::fiscalfiles {

namespace {

using emulator::DetailDocument;
using emulator::DetailKind;

AnsiString Flag(bool on) { return on ? "S" : "N"; }

// The two letters of a document other than a fiscal coupon.
AnsiString KindCode(DetailKind kind) {
  switch (kind) {
    case DetailKind::kCouponCancellation: return "CC";
    case DetailKind::kNonFiscalReceipt: return "CN";
    case DetailKind::kLinkedReceipt: return "CD";
    case DetailKind::kReceiptReversal: return "EN";
    case DetailKind::kManagementReport: return "RG";
    case DetailKind::kXReading: return "LX";
    case DetailKind::kZReduction: return "RZ";
    case DetailKind::kMemoryReading: return "MF";
    case DetailKind::kFiscalCoupon: break;
  }
  return "CF";
}

// The total of the coupon that a cancellation names, 0 when the memory does
// not hold it.
int64_t CancelledTotal(const Snapshot& snapshot, int coo) {
  const std::optional<DetailDocument> coupon = CouponRecord(snapshot, coo);
  return coupon ? SumsOf(coupon->coupon).total : 0;
}

class Writer {
 public:
  Writer(const Snapshot& memory, const Snapshot& detail)
      : memory_(memory.state),
        detail_(detail),
        fabrication_(FabricationNumber(detail.state.serialNumber)) {}

  void Header(const Range& range) {
    const bool days = range.kind == RangeKind::kDay;
    auto bound = [&](int value) { return days ? DateDigits(value) : Digits(value, 8); };
    Add("E01" + fabrication_ + Text("MDX ECF VIRTUAL", 20) + Digits(detail_.state.ecfNumber, 3) +
        Digits(memory_.counters.cro, 4) + Digits(memory_.counters.crz, 4) + (days ? "D" : "C") +
        bound(range.first) + bound(range.last) + DateDigits(detail_.taken) +
        TimeDigits(detail_.taken) + Digits(memory_.grandTotal, 17));
  }

  void Document(const DetailDocument& document) {
    if (document.kind == DetailKind::kFiscalCoupon) {
      Coupon(document);
    } else {
      Other(document);
    }
  }

  AnsiString Finish() {
    Add("E99" + fabrication_ + Digits(coupons_, 9) + Digits(items_, 9) + Digits(others_, 9) +
        Digits(payments_, 9) + Digits(static_cast<int64_t>(lines_.size()) + 1, 9));
    return JoinLines(lines_);
  }

 private:
  void Coupon(const DetailDocument& document) {
    const emulator::Coupon& coupon = document.coupon;
    const CouponSums sums = SumsOf(coupon);
    Add("E14" + fabrication_ + Digits(document.coo, 6) + Digits(document.counter, 6) +
        DateDigits(document.issued) + TimeDigits(document.issued) + Digits(sums.subtotal, 14) +
        Digits(coupon.subtotalDiscount, 13) + Digits(coupon.subtotalSurcharge, 13) +
        Digits(sums.total, 14) + Digits(sums.change, 14) + Flag(document.cancelled) +
        Text(coupon.consumer, 30));
    ++coupons_;
    int number = 0;
    for (const emulator::CouponItem& item : coupon.items) {
      // The record keeps the name and the unit of the description apart.
      const emulator::ItemDescription description = emulator::SplitDescription(item.description);
      Add("E15" + fabrication_ + Digits(document.coo, 6) + Digits(document.counter, 6) +
          Digits(++number, 3) + Text(item.code, 13) + Text(AnsiString(description.name), 24) +
          Digits(item.quantity, 7) + Digits(item.unitPrice, 9) + Digits(item.amount, 14) +
          Digits(item.discount, 13) + Digits(item.surcharge, 13) + Digits(emulator::ItemValue(item), 14) +
          Text(item.taxCode, 7) + Flag(item.cancelled) + Text(AnsiString(description.unit), 2));
      ++items_;
    }
    Payments(document, coupon.payments);
  }

  void Other(const DetailDocument& document) {
    int64_t amount = 0;
    if (document.kind == DetailKind::kCouponCancellation) {
      amount = CancelledTotal(detail_, document.cancelledCoo);
    } else if (document.kind == DetailKind::kNonFiscalReceipt) {
      amount = ReceiptTotal(document.receipt);
    }
    Add("E16" + fabrication_ + Digits(document.coo, 6) + Digits(document.counter, 6) +
        KindCode(document.kind) + DateDigits(document.issued) + TimeDigits(document.issued) +
        Digits(amount, 14) + Digits(document.cancelledCoo, 6));
    ++others_;
    if (document.kind == DetailKind::kNonFiscalReceipt)
      Payments(document, document.receipt.payments);
  }

  void Payments(const DetailDocument& document, const std::vector<emulator::Payment>& payments) {
    for (const emulator::Payment& payment : payments) {
      const bool known = payment.method >= 1 && payment.method <= emulator::kPaymentMethodCount;
      const AnsiString name =
          known ? detail_.state.paymentMethods[static_cast<size_t>(payment.method - 1)].name : "";
      Add("E21" + fabrication_ + Digits(document.coo, 6) + Digits(document.counter, 6) +
          Digits(payment.method, 2) + Text(name, 15) + Digits(payment.amount, 14) +
          Flag(document.cancelled));
      ++payments_;
    }
  }

  void Add(const AnsiString& record) { lines_.push_back(record); }

  const emulator::PrinterState& memory_;
  const Snapshot& detail_;
  const AnsiString fabrication_;
  std::vector<AnsiString> lines_;
  int64_t coupons_ = 0, items_ = 0, others_ = 0, payments_ = 0;
};

}  // namespace

AnsiString ElectronicFileText(const Snapshot& memory, const Snapshot& detail, const Range& range) {
  Writer writer(memory, detail);
  writer.Header(range);
  for (const DetailDocument& document : DocumentsInRange(detail, range))
    writer.Document(document);
  return writer.Finish();
}

}  // namespace mdx::fiscalfiles

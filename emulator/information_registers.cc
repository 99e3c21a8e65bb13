#include "emulator/information_registers.h"

#include "emulator/reply_builder.h"
#include "emulator/table_entries.h"
#include "emulator/tax_rate_table.h"

namespace mdx::emulator {

namespace {

constexpr int kAmountWidth = 12;
constexpr int kGrandTotalWidth = 17;
constexpr int kCounterWidth = 4;
constexpr int kDocumentNumberWidth = 6;
constexpr size_t kSerialWidth = 9;

enum class Slot {
  kTax,            // rate code (3) + taxable base (12)
  kPayment,        // count (4) + amount (12)
  kTotalizer,      // count (4) + amount (12)
  kPaymentAmount,  // amount (12)
};

// A run of `count` slots from slot `first` (0-based) at reply `position` on.
struct SlotRun {
  Slot slot;
  int first;
  int count;
  int position;
};

// The registers that carry slots only.
struct SlotRegister {
  char selector;
  int length;
  SlotRun runs[2];
  int runCount;
};

constexpr SlotRegister kSlotRegisters[] = {
    {'4', 112, {{Slot::kTax, 1, 7, 8}}, 1},
    {'5', 112, {{Slot::kTax, 8, 7, 8}}, 1},
    {'6', 119, {{Slot::kPayment, 0, 7, 8}}, 1},
    {'7', 119, {{Slot::kPayment, 7, 3, 8}, {Slot::kTotalizer, 0, 2, 88}}, 2},
    {'8', 119, {{Slot::kTotalizer, 2, 7, 8}}, 1},
    {'9', 119, {{Slot::kTotalizer, 9, 7, 8}}, 1},
    {'A', 119, {{Slot::kTotalizer, 16, 7, 8}}, 1},
    {'B', 119, {{Slot::kTotalizer, 23, 7, 8}}, 1},
    {'C', 119, {{Slot::kTotalizer, 30, 7, 8}}, 1},
    {'D', 119, {{Slot::kTotalizer, 37, 7, 8}}, 1},
    {'E', 103, {{Slot::kTotalizer, 44, 6, 8}}, 1},
    {'L', 127, {{Slot::kPaymentAmount, 10, 10, 8}}, 1},
};

AnsiString Amount(int64_t cents) { return ZeroFilled(cents, kAmountWidth); }
AnsiString Counter(int value) { return ZeroFilled(value, kCounterWidth); }
AnsiString Counted(const Accumulator& a) { return Counter(a.count) + Amount(a.amount); }

AnsiString SlotText(const PrinterState& s, Slot slot, int index) {
  const size_t k = static_cast<size_t>(index);
  switch (slot) {
    case Slot::kTax:
      return TaxRateEntry(s.taxRates[k]).substr(0, kTaxCodeWidth) + Amount(s.day.taxableBases[k]);
    case Slot::kPayment: return Counted(s.day.payments[k]);
    case Slot::kTotalizer: return Counted(s.day.totalizers[k]);
    case Slot::kPaymentAmount: return Amount(s.day.payments[k].amount);
  }
  return "";
}

void PutRun(ReplyBuilder& reply, const PrinterState& s, const SlotRun& run) {
  int position = run.position;
  for (int i = 0; i < run.count; ++i) {
    const AnsiString text = SlotText(s, run.slot, run.first + i);
    reply.Put(position, text);
    position += static_cast<int>(text.size());
  }
}

AnsiString DayMonthYear(TDateTime date) {
  if (date == 0) return "000000";
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return ZeroFilled(day, 2) + ZeroFilled(month, 2) + ZeroFilled(year % 100, 2);
}

int64_t NetSales(const DayTotals& day) {
  const int64_t net = day.grossSales - day.cancelledIcms - day.cancelledIss - day.discounts;
  return net > 0 ? net : 0;
}

int64_t ServiceSales(const PrinterState& s) {
  int64_t sum = 0;
  for (size_t k = 0; k < s.taxRates.size(); ++k) {
    if (IsServiceRate(s.taxRates[k])) sum += s.day.taxableBases[k];
  }
  return sum;
}

AnsiString Register1(const PrinterState& s) {
  return CompleteBlock(s.ecfNumber, '1', 120)
      .Put(8, DayMonthYear(s.movementDate))
      .Put(20, ZeroFilled(s.grandTotal, kGrandTotalWidth))
      .Put(37, Counter(s.counters.cfc))
      .Put(41, Counter(s.counters.crz))
      .Put(45, Amount(s.day.grossSales))
      .Put(61, Amount(s.day.cancelledIcms))
      .Put(77, Amount(s.day.cancelledIss))
      .Put(93, Amount(s.day.discounts))
      .Put(105, Amount(NetSales(s.day)))
      .Put(117, Counter(s.counters.gnf))
      .Text();
}

AnsiString Register3(const PrinterState& s) {
  ReplyBuilder reply = CompleteBlock(s.ecfNumber, '3', 108);
  reply.Put(13, BlankFilled(s.serialNumber, kSerialWidth))
      .Put(22, Amount(s.day.exemptSales))
      .Put(34, Amount(s.day.nonIncidenceSales))
      .Put(46, Amount(s.day.substitutionSales));
  PutRun(reply, s, {Slot::kTax, 0, 1, 94});
  return reply.Text();
}

}  // namespace

std::optional<AnsiString> InformationRegister(const PrinterState& s, char selector) {
  const int ecf = s.ecfNumber;
  switch (selector) {
    case '1': return Register1(s);
    case '2': return CompleteBlock(ecf, '2', 67).Put(56, Amount(ServiceSales(s))).Text();
    case '3': return Register3(s);
    case 'F': return CompleteBlock(ecf, 'F', 23).Put(12, Amount(s.day.surcharges)).Text();
    case 'G':
      return CompleteBlock(ecf, 'G', 27)
          .Put(16, Counter(s.counters.cro))
          .Put(24, Counter(s.counters.xReadings))
          .Text();
    case 'H':
      return CompleteBlock(ecf, 'H', 78)
          .Put(61, ZeroFilled(s.counters.ccf, kDocumentNumberWidth))
          .Put(73, ZeroFilled(s.counters.coo, kDocumentNumberWidth))
          .Text();
    case 'I':
    case 'J':
    case 'K': return CompleteBlock(ecf, selector, 55).Text();
    default: break;
  }
  for (const SlotRegister& layout : kSlotRegisters) {
    if (layout.selector != selector) continue;
    ReplyBuilder reply = CompleteBlock(ecf, selector, layout.length);
    for (int i = 0; i < layout.runCount; ++i) PutRun(reply, s, layout.runs[i]);
    return reply.Text();
  }
  return std::nullopt;
}

}  // namespace mdx::emulator

#include "emulator/state_check.h"

#include <cmath>

#include "emulator/detail_check.h"
#include "emulator/payment_table.h"
#include "emulator/sale_check.h"
#include "emulator/tax_rate_table.h"
#include "emulator/totalizer_table.h"

namespace mdx::emulator {

namespace {

constexpr size_t kSerialWidth = 9;
constexpr int kLargestEcfNumber = 999;
constexpr TDateTime kLastDate = 2958465;  // 31 December 9999

AnsiString Numbered(const char* what, size_t index) {
  return std::string(what) + " " + std::to_string(index + 1);
}

AnsiString AmountProblem(const AnsiString& name, int64_t cents, int64_t largest = kLargestAmount) {
  if (cents < 0 || cents > largest) return name + " must be 0 to " + std::to_string(largest);
  return "";
}

AnsiString AccumulatorProblem(const AnsiString& name, const Accumulator& a) {
  if (a.count < 0 || a.count > kLargestSlotCount) return name + ": count must be 0 to 9999";
  return AmountProblem(name + ": amount", a.amount);
}

AnsiString IdentityProblem(const PrinterState& s) {
  if (s.serialNumber.empty() || s.serialNumber.size() > kSerialWidth) {
    return "serial number must be 1 to 9 characters";
  }
  for (char c : s.serialNumber) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F) return "serial number must hold no blanks or control characters";
  }
  if (s.ecfNumber < 1 || s.ecfNumber > kLargestEcfNumber) return "ECF number must be 1 to 999";
  if (!(s.movementDate >= 0 && s.movementDate <= kLastDate) ||
      s.movementDate != std::floor(s.movementDate)) {
    return "movement date must be a whole day (or 0)";
  }
  if (!(s.closedDay >= 0 && s.closedDay <= kLastDate) || s.closedDay != std::floor(s.closedDay)) {
    return "closed day must be a whole day (or 0)";
  }
  if (!(s.lastDocumentTime >= 0 && s.lastDocumentTime < kLastDate + 1) ||
      MillisecondsToDateTime(DateTimeToMilliseconds(s.lastDocumentTime)) != s.lastDocumentTime) {
    return "last document time must be a whole millisecond from 30/12/1899 to 31/12/9999";
  }
  return "";
}

AnsiString TotalsProblem(const PrinterState& s) {
  const DayTotals& d = s.day;
  const std::pair<const char*, int64_t> amounts[] = {
      {"gross sales", d.grossSales},        {"cancelled ICMS sales", d.cancelledIcms},
      {"cancelled ISS sales", d.cancelledIss}, {"discounts", d.discounts},
      {"surcharges", d.surcharges},          {"exempt sales", d.exemptSales},
      {"non-incidence sales", d.nonIncidenceSales}, {"substitution sales", d.substitutionSales},
  };
  AnsiString problem = AmountProblem("grand total", s.grandTotal, kLargestGrandTotal);
  for (const auto& [name, cents] : amounts) {
    if (problem.empty()) problem = AmountProblem(name, cents);
  }
  for (size_t k = 0; problem.empty() && k < d.taxableBases.size(); ++k) {
    problem = AmountProblem(Numbered("taxable base", k), d.taxableBases[k]);
  }
  for (size_t k = 0; problem.empty() && k < d.payments.size(); ++k) {
    problem = AccumulatorProblem(Numbered("payment total", k), d.payments[k]);
  }
  for (size_t k = 0; problem.empty() && k < d.totalizers.size(); ++k) {
    problem = AccumulatorProblem(Numbered("totalizer total", k), d.totalizers[k]);
  }
  return problem;
}

AnsiString TablesProblem(const PrinterState& s) {
  for (size_t k = 0; k < s.taxRates.size(); ++k) {
    const AnsiString problem = TaxRateProblem(s.taxRates[k]);
    if (!problem.empty()) return Numbered("tax rate", k) + ": " + problem;
  }
  for (size_t k = 0; k < s.paymentMethods.size(); ++k) {
    const AnsiString problem = PaymentMethodProblem(s.paymentMethods[k]);
    if (!problem.empty()) return Numbered("payment method", k) + ": " + problem;
  }
  for (size_t k = 0; k < s.totalizers.size(); ++k) {
    const AnsiString problem = TotalizerProblem(s.totalizers[k]);
    if (!problem.empty()) return Numbered("totalizer", k) + ": " + problem;
  }
  return "";
}

// Every Z record: a CRZ of 1-9999, a whole day, a COO of 0-999999, amounts
// within their digits.
AnsiString FiscalMemoryProblem(const PrinterState& s) {
  for (size_t k = 0; k < s.fiscalMemory.size(); ++k) {
    const ZRecord& r = s.fiscalMemory[k];
    const AnsiString name = Numbered("Z record", k);
    if (r.crz < 1 || r.crz > 9999) return name + ": CRZ must be 1 to 9999";
    if (!(r.date >= 1 && r.date <= kLastDate) || r.date != std::floor(r.date)) {
      return name + ": date must be a whole day";
    }
    if (r.lastCoo < 0 || r.lastCoo > 999999) return name + ": COO must be 0 to 999999";
    AnsiString problem = AmountProblem(name + ": grand total", r.grandTotal, kLargestGrandTotal);
    if (problem.empty()) problem = AmountProblem(name + ": gross sales", r.grossSales);
    if (problem.empty()) problem = AmountProblem(name + ": cancellations", r.cancellations);
    if (problem.empty()) problem = AmountProblem(name + ": discounts", r.discounts);
    if (problem.empty()) problem = AmountProblem(name + ": surcharges", r.surcharges);
    if (!problem.empty()) return problem;
  }
  return "";
}

bool Printable(const AnsiString& text) {
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

// A cheque only while one is in progress; its texts printable and within
// their widths.
AnsiString ChequeProblem(const PrinterState& s) {
  const Cheque& c = s.cheque;
  if (!s.chequeInProgress) {
    if (c == Cheque{}) return "";
    return "cheque: a format, alterations or a print with no cheque in progress";
  }
  if (c.format.size() > kChequeFormatWidth || !Printable(c.format)) {
    return "cheque format must be at most 40 printable characters";
  }
  if (c.changes.size() > kChequeChangeCount) return "a cheque takes at most 9 alterations";
  for (size_t k = 0; k < c.changes.size(); ++k) {
    const AnsiString& change = c.changes[k];
    if (change.empty() || change.size() > kChequeChangeWidth || !Printable(change)) {
      return Numbered("cheque alteration", k) + " must be 1 to 120 printable characters";
    }
  }
  return "";
}

}  // namespace

AnsiString StateProblem(const PrinterState& s) {
  if (s.tapeWidth != kNarrowTape && s.tapeWidth != kWideTape) {
    return "tape width must be 40 or 48, not " + std::to_string(s.tapeWidth);
  }
  AnsiString problem = IdentityProblem(s);
  if (problem.empty()) problem = TotalsProblem(s);
  if (problem.empty()) problem = TablesProblem(s);
  if (problem.empty()) problem = SaleProblem(s);
  if (problem.empty()) problem = FiscalMemoryProblem(s);
  if (problem.empty()) problem = ChequeProblem(s);
  if (problem.empty()) problem = DetailProblem(s);
  return problem;
}

}  // namespace mdx::emulator

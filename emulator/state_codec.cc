#include "emulator/state_codec.h"

#include <array>
#include <cstdint>
#include <vector>

#include "emulator/day_codec.h"
#include "emulator/detail_codec.h"
#include "emulator/device_codec.h"
#include "emulator/fiscal_memory_codec.h"
#include "emulator/sale_codec.h"
#include "emulator/state_check.h"
#include "emulator/state_lines.h"

namespace mdx::emulator {

namespace {

constexpr char kHeaderStart[] = "MDX virtual printer state ";
// Version 2 added the identity, the totals and the tables; version 3 the
// open coupon, the last closed coupon and the open receipt; version 4 the
// cancelled items and the last closed receipt; version 5 the fiscal memory;
// version 6 the drawer and the cheque's format, alterations and print;
// version 7 the detail-tape memory; version 8 the journal beside the file.
constexpr int kVersion = 8;
constexpr char kChecksumName[] = "checksum ";
constexpr int kLargestCounter = 999999;
constexpr int64_t kLongestTape = 10000000;
constexpr int64_t kLongestJournal = int64_t{1} << 50;
// About a hundred years either way.
constexpr int64_t kLongestOffsetMs = int64_t{36600} * 86400000;

const char* DocumentName(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::kNone: return "none";
    case DocumentKind::kFiscalCoupon: return "coupon";
    case DocumentKind::kNonFiscalReceipt: return "receipt";
    case DocumentKind::kManagementReport: return "report";
  }
  return "none";
}

const char* PaperName(PaperLevel level) {
  switch (level) {
    case PaperLevel::kOk: return "ok";
    case PaperLevel::kLow: return "low";
    case PaperLevel::kOut: return "out";
  }
  return "ok";
}

// The movement date as yyyymmdd, 0 for none.
int64_t DateNumber(TDateTime date) {
  if (date == 0) return 0;
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return int64_t{year} * 10000 + month * 100 + day;
}

// Writes the state as "name value" lines.
class StateWriter {
 public:
  void Put(const char* name, const std::string& value) {
    text_ += name;
    text_ += ' ';
    text_ += value;
    text_ += '\n';
  }
  void Put(const char* name, int64_t value) { Put(name, std::to_string(value)); }
  void Line(const std::string& line) {
    text_ += line;
    text_ += '\n';
  }
  std::string& Text() { return text_; }

 private:
  std::string text_;
};

// Entries that differ from the free entry, as "name position rest".
template <typename T, size_t N, typename Rest>
void PutEntries(StateWriter& w, const char* countName, const char* name,
                const std::array<T, N>& entries, Rest rest) {
  int used = 0;
  for (const T& entry : entries) used += entry == T{} ? 0 : 1;
  w.Put(countName, used);
  for (size_t k = 0; k < N; ++k) {
    if (entries[k] == T{}) continue;
    w.Put(name, std::to_string(k + 1) + " " + rest(entries[k]));
  }
}

class Decoder {
 public:
  explicit Decoder(std::string_view body) : r_(body) {}

  bool Header(int& version) {
    std::string_view line;
    if (!r_.Next(line)) return r_.Fail("the file is empty");
    const std::string_view start = kHeaderStart;
    int64_t number = 0;
    if (line.substr(0, start.size()) != start ||
        !ParseNumber(line.substr(start.size()), 1, 1000000, number)) {
      return r_.Fail("not a virtual printer state file");
    }
    if (number > kVersion) return r_.Fail("written by a newer virtual printer (state " +
                                           std::to_string(number) + ")");
    version = static_cast<int>(number);
    return true;
  }

  bool Document(DocumentKind& kind) {
    std::string_view text;
    if (!r_.Value("document", text)) return false;
    for (DocumentKind k : {DocumentKind::kNone, DocumentKind::kFiscalCoupon,
                           DocumentKind::kNonFiscalReceipt, DocumentKind::kManagementReport}) {
      if (text == DocumentName(k)) {
        kind = k;
        return true;
      }
    }
    return r_.Fail("bad value of 'document'");
  }

  bool Paper(PaperLevel& level) {
    std::string_view text;
    if (!r_.Value("paper", text)) return false;
    for (PaperLevel l : {PaperLevel::kOk, PaperLevel::kLow, PaperLevel::kOut}) {
      if (text == PaperName(l)) {
        level = l;
        return true;
      }
    }
    return r_.Fail("bad value of 'paper'");
  }

  // The fields of version 1, in their order.
  bool FirstFields(PrinterState& s, int& tapeWidth) {
    return r_.Flag("day_open", s.dayOpen) && r_.Flag("z_pending", s.zPending) &&
           Document(s.document) &&
           r_.Int("last_coupon_coo", 0, kLargestCounter, s.lastCouponCoo) &&
           r_.Flag("cheque", s.chequeInProgress) && Paper(s.paper) &&
           r_.Int("coo", 0, kLargestCounter, s.counters.coo) &&
           r_.Int("ccf", 0, kLargestCounter, s.counters.ccf) &&
           r_.Int("gnf", 0, kLargestCounter, s.counters.gnf) &&
           r_.Int("grg", 0, kLargestCounter, s.counters.grg) &&
           r_.Int("cfc", 0, kLargestCounter, s.counters.cfc) &&
           r_.Int("crz", 0, kLargestCounter, s.counters.crz) &&
           r_.Int("cro", 0, kLargestCounter, s.counters.cro) &&
           r_.Number("clock_offset_ms", -kLongestOffsetMs, kLongestOffsetMs, s.clockOffsetMs) &&
           r_.Flag("summer_time", s.summerTime) &&
           r_.Int("tape_width", kNarrowTape, kWideTape, tapeWidth);
  }

  // The fields added since version 1, in their order. Each may be missing (a
  // file of an older version); a missing one keeps the fresh printer's value.
  bool LaterFields(PrinterState& s) {
    DayTotals& d = s.day;
    return Int("x_readings", 0, kLargestCounter, s.counters.xReadings) && MovementDate(s) &&
           Flag("coupon_paying", s.couponPaying) && Serial(s) &&
           Int("ecf_number", 0, kLargestCounter, s.ecfNumber) &&
           Amount("grand_total", s.grandTotal) && Amount("gross_sales", d.grossSales) &&
           Amount("cancelled_icms", d.cancelledIcms) && Amount("cancelled_iss", d.cancelledIss) &&
           Amount("discounts", d.discounts) && Amount("surcharges", d.surcharges) &&
           Amount("exempt_sales", d.exemptSales) &&
           Amount("non_incidence_sales", d.nonIncidenceSales) &&
           Amount("substitution_sales", d.substitutionSales) && TaxableBases(d) &&
           Accumulators("payment_totals", "payment_total", d.payments) &&
           Accumulators("totalizer_totals", "totalizer_total", d.totalizers) && TaxRates(s) &&
           PaymentMethods(s) && Totalizers(s) && DecodeSale(r_, s) &&
           DecodeFiscalMemory(r_, s) && DecodeDevices(r_, s) && DecodeDayMarks(r_, s) &&
           DecodeDetail(r_, s) && Base("tape_base", s.tapeBase) &&
           Base("detail_base", s.detailBase);
  }

  bool Journal(StateFileFacts& facts) {
    if (!r_.Has("journal_file")) return true;
    std::string_view name;
    if (!r_.Value("journal_file", name) || !UnescapeText(name, facts.journalFile) ||
        facts.journalFile.empty()) {
      return r_.Fail("bad value of 'journal_file'");
    }
    return r_.Number("journal_length", 0, kLongestJournal, facts.journalLength);
  }

  bool TapeLines(int width, std::vector<AnsiString>& tape) {
    int64_t count = 0;
    if (!r_.Number("tape", 0, kLongestTape, count)) return false;
    tape.clear();
    for (int64_t i = 0; i < count; ++i) {
      std::string_view line;
      if (!r_.Next(line)) return r_.Fail("the tape is cut short");
      AnsiString printed;
      if (line.empty() || line[0] != '|' || !UnescapeText(line.substr(1), printed)) {
        return r_.Fail("bad tape line");
      }
      if (printed.size() > static_cast<size_t>(width)) {
        return r_.Fail("tape line wider than the tape");
      }
      tape.push_back(printed);
    }
    return true;
  }

  bool End() { return r_.End(); }
  bool Fail(const std::string& reason) { return r_.Fail(reason); }
  const AnsiString& Error() const { return r_.Error(); }

 private:
  bool Int(const char* name, int low, int high, int& value) {
    return !r_.Has(name) || r_.Int(name, low, high, value);
  }
  bool Flag(const char* name, bool& value) { return !r_.Has(name) || r_.Flag(name, value); }
  bool Base(const char* name, int64_t& value) {
    return !r_.Has(name) || r_.Number(name, 0, kLongestTape * 1000, value);
  }
  bool Amount(const char* name, int64_t& value) {
    return !r_.Has(name) || r_.Number(name, 0, kLargestGrandTotal, value);
  }

  bool MovementDate(PrinterState& s) {
    int64_t number = 0;
    if (!r_.Has("movement_date")) return true;
    if (!r_.Number("movement_date", 0, 99991231, number)) return false;
    if (number == 0) {
      s.movementDate = 0;
      return true;
    }
    const int year = static_cast<int>(number / 10000);
    const int month = static_cast<int>(number / 100 % 100);
    const int day = static_cast<int>(number % 100);
    if (!TryEncodeDate(year, month, day, s.movementDate)) {
      return r_.Fail("bad value of 'movement_date'");
    }
    return true;
  }

  bool Serial(PrinterState& s) {
    std::string_view text;
    if (!r_.Has("serial_number")) return true;
    if (!r_.Value("serial_number", text) || !UnescapeText(text, s.serialNumber)) {
      return r_.Fail("bad value of 'serial_number'");
    }
    return true;
  }

  // "<countName> n" and then n entry lines; false on any bad line.
  template <typename TakeEntry>
  bool Entries(const char* countName, const char* name, int capacity, TakeEntry take) {
    if (!r_.Has(countName)) return true;
    int count = 0;
    if (!r_.Int(countName, 0, capacity, count)) return false;
    int last = 0;
    for (int i = 0; i < count; ++i) {
      std::string_view rest;
      if (!r_.Entry(name, capacity, last, rest)) return false;
      if (!take(static_cast<size_t>(last - 1), rest)) {
        return r_.Fail(std::string("bad value of '") + name + "'");
      }
    }
    return true;
  }

  // The two numbers of "count amount".
  static bool CountAndAmount(std::string_view text, Accumulator& a) {
    const size_t space = text.find(' ');
    int64_t count = 0;
    if (space == std::string_view::npos || !ParseNumber(text.substr(0, space), 0, 9999, count) ||
        !ParseNumber(text.substr(space + 1), 0, kLargestAmount, a.amount)) {
      return false;
    }
    a.count = static_cast<int>(count);
    return true;
  }

  bool TaxableBases(DayTotals& d) {
    return Entries("taxable_bases", "taxable_base", kTaxRateCount,
                   [&d](size_t k, std::string_view rest) {
                     return ParseNumber(rest, 0, kLargestAmount, d.taxableBases[k]);
                   });
  }

  template <size_t N>
  bool Accumulators(const char* countName, const char* name, std::array<Accumulator, N>& slots) {
    return Entries(countName, name, static_cast<int>(N), [&slots](size_t k, std::string_view rest) {
      return CountAndAmount(rest, slots[k]);
    });
  }

  // "tax_rate k CODE hundredths".
  bool TaxRates(PrinterState& s) {
    if (r_.Has("tax_rates")) s.taxRates = TaxRateTable{};
    return Entries("tax_rates", "tax_rate", kTaxRateCount, [&s](size_t k, std::string_view rest) {
      int64_t hundredths = 0;
      if (rest.size() < kTaxCodeWidth + 2 || rest[kTaxCodeWidth] != ' ' ||
          !ParseNumber(rest.substr(kTaxCodeWidth + 1), 0, 9999, hundredths)) {
        return false;
      }
      s.taxRates[k] = {AnsiString(rest.substr(0, kTaxCodeWidth)), static_cast<int>(hundredths)};
      return true;
    });
  }

  // "payment_method k" + flag and name, escaped.
  bool PaymentMethods(PrinterState& s) {
    if (r_.Has("payment_methods")) s.paymentMethods = PaymentTable{};
    return Entries("payment_methods", "payment_method", kPaymentMethodCount,
                   [&s](size_t k, std::string_view rest) {
                     AnsiString entry;
                     if (!UnescapeText(rest, entry) || entry.size() < 2) return false;
                     s.paymentMethods[k] = {entry[0], entry.substr(1)};
                     return true;
                   });
  }

  // "totalizer k" + marker and name, escaped.
  bool Totalizers(PrinterState& s) {
    return Entries("totalizers", "totalizer", kTotalizerCount,
                   [&s](size_t k, std::string_view rest) {
                     AnsiString entry;
                     if (!UnescapeText(rest, entry) || entry.size() < 2) return false;
                     s.totalizers[k] = {entry[0], entry.substr(1)};
                     return true;
                   });
  }

  StateReader r_;
};

}  // namespace

std::string EncodeState(const PrinterState& s, const StateFileFacts* journal) {
  StateWriter w;
  w.Line(kHeaderStart + std::to_string(kVersion));
  w.Put("day_open", s.dayOpen ? 1 : 0);
  w.Put("z_pending", s.zPending ? 1 : 0);
  w.Put("document", DocumentName(s.document));
  w.Put("last_coupon_coo", s.lastCouponCoo);
  w.Put("cheque", s.chequeInProgress ? 1 : 0);
  w.Put("paper", PaperName(s.paper));
  w.Put("coo", s.counters.coo);
  w.Put("ccf", s.counters.ccf);
  w.Put("gnf", s.counters.gnf);
  w.Put("grg", s.counters.grg);
  w.Put("cfc", s.counters.cfc);
  w.Put("crz", s.counters.crz);
  w.Put("cro", s.counters.cro);
  w.Put("clock_offset_ms", s.clockOffsetMs);
  w.Put("summer_time", s.summerTime ? 1 : 0);
  w.Put("tape_width", s.tapeWidth);

  const DayTotals& d = s.day;
  w.Put("x_readings", s.counters.xReadings);
  w.Put("movement_date", DateNumber(s.movementDate));
  w.Put("coupon_paying", s.couponPaying ? 1 : 0);
  w.Put("serial_number", EscapeText(s.serialNumber));
  w.Put("ecf_number", s.ecfNumber);
  w.Put("grand_total", s.grandTotal);
  w.Put("gross_sales", d.grossSales);
  w.Put("cancelled_icms", d.cancelledIcms);
  w.Put("cancelled_iss", d.cancelledIss);
  w.Put("discounts", d.discounts);
  w.Put("surcharges", d.surcharges);
  w.Put("exempt_sales", d.exemptSales);
  w.Put("non_incidence_sales", d.nonIncidenceSales);
  w.Put("substitution_sales", d.substitutionSales);
  PutEntries(w, "taxable_bases", "taxable_base", d.taxableBases,
             [](int64_t base) { return std::to_string(base); });
  const auto countAndAmount = [](const Accumulator& a) {
    return std::to_string(a.count) + " " + std::to_string(a.amount);
  };
  PutEntries(w, "payment_totals", "payment_total", d.payments, countAndAmount);
  PutEntries(w, "totalizer_totals", "totalizer_total", d.totalizers, countAndAmount);
  PutEntries(w, "tax_rates", "tax_rate", s.taxRates, [](const TaxRate& rate) {
    return rate.code + " " + std::to_string(rate.hundredths);
  });
  PutEntries(w, "payment_methods", "payment_method", s.paymentMethods,
             [](const PaymentMethod& m) { return EscapeText(m.flag + m.name); });
  PutEntries(w, "totalizers", "totalizer", s.totalizers,
             [](const Totalizer& t) { return EscapeText(t.marker + t.name); });
  EncodeSale(s, w.Text());
  if (!journal) EncodeFiscalMemory(s, w.Text());
  EncodeDevices(s, w.Text());
  EncodeDayMarks(s, w.Text());
  EncodeDetail(s, w.Text());
  w.Put("tape_base", s.tapeBase);
  w.Put("detail_base", s.detailBase);
  if (journal) {
    w.Put("journal_file", EscapeText(journal->journalFile));
    w.Put("journal_length", journal->journalLength);
  }

  w.Put("tape", static_cast<int64_t>(s.tape.size()));
  for (const AnsiString& line : s.tape) w.Line("|" + EscapeText(line));
  std::string& text = w.Text();
  text += kChecksumName + Hex8(Crc32(text)) + '\n';
  return text;
}

bool DecodeState(std::string_view text, PrinterState& state, AnsiString& error,
                 StateFileFacts* facts) {
  if (text.empty()) {
    error = "the file is empty";
    return false;
  }
  // The checksum line comes last and covers everything before it.
  const size_t lastLine =
      text.size() >= 2 ? text.rfind('\n', text.size() - 2) : std::string_view::npos;
  const size_t checksumAt = lastLine == std::string_view::npos ? 0 : lastLine + 1;
  const std::string expected = kChecksumName + Hex8(Crc32(text.substr(0, checksumAt))) + "\n";
  if (text.substr(checksumAt) != expected) {
    error = "checksum does not match (the file is cut short or altered)";
    return false;
  }

  Decoder d(text.substr(0, checksumAt));
  PrinterState s;
  int tapeWidth = 0;
  StateFileFacts found;
  if (!d.Header(found.version) || !d.FirstFields(s, tapeWidth)) {
    error = d.Error();
    return false;
  }
  if (tapeWidth != kNarrowTape && tapeWidth != kWideTape) {
    error = "tape_width must be 40 or 48";
    return false;
  }
  s.tapeWidth = tapeWidth;
  if (!d.LaterFields(s) || !d.Journal(found) || !d.TapeLines(tapeWidth, s.tape) || !d.End()) {
    error = d.Error();
    return false;
  }
  const AnsiString problem = StateProblem(s);
  if (!problem.empty()) {
    error = problem;
    return false;
  }
  state = std::move(s);
  if (facts) *facts = found;
  return true;
}

}  // namespace mdx::emulator

#include "emulator/day_reports.h"

#include "emulator/day_rules.h"
#include "emulator/documents.h"
#include "emulator/memory_reports.h"
#include "emulator/paper_tape.h"
#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

void PrintAmount(PrinterState& s, std::string_view name, int64_t cents) {
  PrintLeftAndRight(s.tape, s.tapeWidth, name, AmountText(cents));
}

// The day's totals; rates, methods and totalizers only where they moved.
void PrintDayTotals(PrinterState& s) {
  const DayTotals& d = s.day;
  PrintAmount(s, "GT", s.grandTotal);
  PrintAmount(s, "VENDA BRUTA", d.grossSales);
  PrintAmount(s, "CANCELAMENTOS", d.cancelledIcms + d.cancelledIss);
  PrintAmount(s, "DESCONTOS", d.discounts);
  PrintAmount(s, "ACRESCIMOS", d.surcharges);
  PrintAmount(s, "ISENTO", d.exemptSales);
  PrintAmount(s, "NAO INCIDENCIA", d.nonIncidenceSales);
  PrintAmount(s, "SUBSTITUICAO", d.substitutionSales);
  for (size_t k = 0; k < d.taxableBases.size(); ++k) {
    if (d.taxableBases[k] == 0) continue;
    PrintAmount(s, "BASE " + s.taxRates[k].code, d.taxableBases[k]);
  }
  for (size_t k = 0; k < d.payments.size(); ++k) {
    if (d.payments[k] == Accumulator{}) continue;
    PrintAmount(s, "PGTO " + s.paymentMethods[k].name, d.payments[k].amount);
  }
  for (size_t k = 0; k < d.totalizers.size(); ++k) {
    if (d.totalizers[k] == Accumulator{}) continue;
    PrintAmount(s, "TOTZ " + s.totalizers[k].name, d.totalizers[k].amount);
  }
}

}  // namespace

AnsiString XReading(CommandContext& context) {
  const PrinterState& current = context.State();
  if (current.document != DocumentKind::kNone) return RefusedDocumentOpen();
  if (std::optional<AnsiString> refusal = DayRefusal(current, context.Now())) return *refusal;
  PrinterState& s = context.Change();
  StartDocument(s, context.Now(), DetailKind::kXReading, "LEITURA X");
  s.counters.xReadings = NextCount(s.counters.xReadings);
  PrintDayTotals(s);
  EndDocument(s);
  return Accepted();
}

AnsiString ZReduction(CommandContext& context, const AnsiString& params) {
  TDateTime date = 0;
  if (params.size() != 7 || params[0] != 'N' ||
      !ReadShortDate(std::string_view(params).substr(1), date)) {
    return Refused(kStatusBadParameters);
  }
  const PrinterState& current = context.State();
  if (current.document != DocumentKind::kNone) return RefusedDocumentOpen();
  // The day this Z closes: the open day, or today when none is open. The
  // fiscal memory records that day, so a Z made the morning after a missed
  // night leaves the evening's Z its own date.
  const TDateTime closing = current.dayOpen && current.movementDate != 0
                                ? current.movementDate
                                : DateOf(context.Now());
  const TDateTime lastDate = current.fiscalMemory.empty() ? 0 : current.fiscalMemory.back().date;
  // The fiscal memory only moves forward: the till's date is not before the
  // last reduction's, nor before the day it closes.
  if (date < lastDate || (current.dayOpen && date < current.movementDate)) {
    return Refused(kStatusGoesBack);
  }
  // A day takes one Z.
  if (DayClosedByZ(current, context.Now()) || closing <= lastDate) {
    return Refused(kStatusDayClosed);
  }
  PrinterState& s = context.Change();
  StartDocument(s, context.Now(), DetailKind::kZReduction, "REDUCAO Z");
  PrintLeftAndRight(s.tape, s.tapeWidth, "CRZ:" + ZeroFilled(s.counters.crz, 4),
                    "DATA:" + DayMonthYearText(closing));
  PrintDayTotals(s);
  EndDocument(s);
  const DayTotals& d = s.day;
  s.fiscalMemory.push_back({s.counters.crz, closing, s.counters.coo, s.grandTotal, d.grossSales,
                            d.cancelledIcms + d.cancelledIss, d.discounts, d.surcharges});
  s.day = DayTotals{};
  s.movementDate = 0;
  s.dayOpen = false;
  s.zPending = false;
  s.closedDay = closing;
  return Accepted();
}

}  // namespace mdx::emulator

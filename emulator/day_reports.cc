#include "emulator/day_reports.h"

#include "emulator/documents.h"
#include "emulator/memory_reports.h"
#include "emulator/paper_tape.h"
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
  if (context.State().document != DocumentKind::kNone) return RefusedDocumentOpen();
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
  if (!current.fiscalMemory.empty() && current.fiscalMemory.back().date == date) {
    return Refused(kStatusWrongState);
  }
  PrinterState& s = context.Change();
  StartDocument(s, context.Now(), DetailKind::kZReduction, "REDUCAO Z");
  PrintLeftAndRight(s.tape, s.tapeWidth, "CRZ:" + ZeroFilled(s.counters.crz, 4),
                    "DATA:" + DayMonthYearText(date));
  PrintDayTotals(s);
  EndDocument(s);
  const DayTotals& d = s.day;
  s.fiscalMemory.push_back({s.counters.crz, date, s.counters.coo, s.grandTotal, d.grossSales,
                            d.cancelledIcms + d.cancelledIss, d.discounts, d.surcharges});
  s.day = DayTotals{};
  s.movementDate = 0;
  s.dayOpen = false;
  s.zPending = false;
  return Accepted();
}

}  // namespace mdx::emulator

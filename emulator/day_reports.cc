#include "emulator/day_reports.h"

#include "emulator/day_rules.h"
#include "emulator/day_totals_lines.h"
#include "emulator/documents.h"
#include "emulator/memory_reports.h"
#include "emulator/paper_tape.h"
#include "emulator/printer_clock.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

// The day's totals on the tape, inside the report being printed.
void PrintDayTotals(PrinterState& s) {
  for (AnsiString& line : DayTotalsLines(s)) s.tape.push_back(std::move(line));
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

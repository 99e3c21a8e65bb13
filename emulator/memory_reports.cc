#include "emulator/memory_reports.h"

#include <cstdio>

#include "emulator/documents.h"
#include "emulator/paper_tape.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Prints the records whose key (number or date) lies in [first, last].
template <typename Key>
AnsiString PrintRange(CommandContext& context, std::string_view title, Key key, double first,
                      double last) {
  if (context.State().document != DocumentKind::kNone) return RefusedDocumentOpen();
  PrinterState& s = context.Change();
  StartDocument(s, context.Now(), DetailKind::kMemoryReading, title);
  int printed = 0;
  for (const ZRecord& r : s.fiscalMemory) {
    const double k = key(r);
    if (k < first || k > last) continue;
    ++printed;
    PrintLeftAndRight(s.tape, s.tapeWidth, "CRZ:" + ZeroFilled(r.crz, 4) + " " +
                      DayMonthYearText(r.date), "COO:" + ZeroFilled(r.lastCoo, 6));
    PrintLeftAndRight(s.tape, s.tapeWidth, "VENDA BRUTA", AmountText(r.grossSales));
    PrintLeftAndRight(s.tape, s.tapeWidth, "GT", AmountText(r.grandTotal));
  }
  if (printed == 0) PrintInDocument(s, "SEM REDUCOES NO PERIODO");
  EndDocument(s);
  return Accepted();
}

}  // namespace

bool ReadShortDate(std::string_view text, TDateTime& date) {
  if (text.size() != 6 || !AllDigits(text)) return false;
  const auto two = [&text](size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
  return TryEncodeDate(2000 + two(4), two(2), two(0), date);
}

AnsiString DayMonthYearText(TDateTime date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", day % 100, month % 100, year % 10000);
  return text;
}

AnsiString MemoryByNumber(CommandContext& context, const AnsiString& params) {
  double first = 0, last = 1e9;
  if (!params.empty()) {
    const std::string_view p = params;
    if (p.size() < 8 || !AllDigits(p.substr(0, 8))) return Refused(kStatusBadParameters);
    first = std::stoi(std::string(p.substr(0, 4)));
    last = std::stoi(std::string(p.substr(4, 4)));
    if (first > last) return Refused(kStatusBadParameters);
  }
  const auto number = [](const ZRecord& r) { return static_cast<double>(r.crz); };
  return PrintRange(context, "LEITURA MEMORIA FISCAL", number, first, last);
}

AnsiString MemoryByDate(CommandContext& context, const AnsiString& params) {
  TDateTime first = -1e9, last = 1e9;
  if (!params.empty()) {
    const std::string_view p = params;
    if (p.size() < 12 || !ReadShortDate(p.substr(0, 6), first) ||
        !ReadShortDate(p.substr(6, 6), last) || first > last) {
      return Refused(kStatusBadParameters);
    }
  }
  return PrintRange(context, "LEITURA MEMORIA FISCAL", [](const ZRecord& r) { return r.date; },
                    first, last);
}

}  // namespace mdx::emulator

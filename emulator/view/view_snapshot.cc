#include "emulator/view/view_snapshot.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "emulator/day_totals_lines.h"
#include "emulator/fault_names.h"
#include "emulator/paper_tape.h"
#include "emulator/printer_clock.h"
#include "emulator/view/tape_documents.h"
#include "emulator/visible_text.h"

namespace mdx::emulator::view {

namespace {

using nlohmann::json;

// Printer texts are Windows-1252; JSON text is UTF-8.
std::string Text(const AnsiString& text) { return AnsiToUtf8(text); }

std::string DayText(TDateTime day) { return day == 0 ? "" : Text(FormatDateTime("dd/mm/yyyy", day)); }

const char* DocumentName(const PrinterState& s) {
  switch (s.document) {
    case DocumentKind::kNone: return "none";
    case DocumentKind::kFiscalCoupon: return s.couponPaying ? "fiscal coupon (payments)" : "fiscal coupon";
    case DocumentKind::kNonFiscalReceipt: return "non-fiscal receipt";
    case DocumentKind::kManagementReport: return "management report";
  }
  return "?";
}

const char* PaperName(PaperLevel paper) {
  switch (paper) {
    case PaperLevel::kOk: return "ok";
    case PaperLevel::kLow: return "low";
    case PaperLevel::kOut: return "out";
  }
  return "?";
}

json StateJson(const PrinterState& s, TDateTime clock) {
  return {
      {"day", s.dayOpen ? "open" : "closed"},
      {"zPending", s.zPending ? "yes" : "no"},
      {"movementDate", DayText(s.movementDate)},
      {"closedDay", DayText(s.closedDay)},
      {"clock", Text(TapeDateTime(clock))},
      {"summerTime", s.summerTime ? "yes" : "no"},
      {"coo", s.counters.coo},
      {"ccf", s.counters.ccf},
      {"gnf", s.counters.gnf},
      {"crz", s.counters.crz},
      {"cro", s.counters.cro},
      {"gt", Text(AmountText(s.grandTotal))},
      {"paper", PaperName(s.paper)},
      {"drawer", s.drawerOpen ? "open" : "closed"},
      {"document", DocumentName(s)},
      {"serialNumber", Text(s.serialNumber)},
      {"ecfNumber", s.ecfNumber},
      {"columns", s.tapeWidth},
  };
}

json TapeJson(const VirtualPrinter& printer, const PrinterState& s) {
  const int64_t total = s.tapeBase + static_cast<int64_t>(s.tape.size());
  const int64_t openFrom = s.document != DocumentKind::kNone ? s.detailTapeStart : -1;
  int64_t first = std::max<int64_t>(0, total - kTapeLinesShown);
  // A long open document shows whole, up to a bound.
  if (openFrom >= 0) first = std::min(first, std::max(openFrom, total - 8 * kTapeLinesShown));
  const std::vector<AnsiString> lines = printer.TapeLines(first, total);
  json documents = json::array();
  for (const TapeDocument& document : SplitTape(lines, first, openFrom, s.tapeWidth)) {
    json text = json::array();
    for (const AnsiString& line : document.lines) text.push_back(Text(line));
    documents.push_back({{"open", document.open}, {"lines", std::move(text)}});
  }
  return {{"columns", s.tapeWidth}, {"firstLine", first}, {"lines", total},
          {"documents", std::move(documents)}};
}

json TotalsJson(const PrinterState& s) {
  json lines = json::array();
  for (const AnsiString& line : DayTotalsLines(s)) lines.push_back(Text(line));
  return lines;
}

// "+0000", "-E004", "+C001" (an information block); "" for a reply too short.
std::string StatusOf(const AnsiString& reply) {
  return reply.size() >= 6 && reply[0] == '.' ? Text(reply.substr(1, 5)) : "";
}

json FramesJson(const SharedPrinter::Exchanges& exchanges) {
  json frames = json::array();
  for (const ExchangeRecord& exchange : exchanges) {
    json frame = {{"at", Text(TapeDateTime(exchange.at))}, {"frame", Text(Visible(exchange.frame))}};
    if (exchange.reply) {
      frame["reply"] = Text(Visible(*exchange.reply));
      frame["status"] = StatusOf(*exchange.reply);
    } else {
      frame["reply"] = nullptr;
      frame["status"] = "no answer";
    }
    frames.push_back(std::move(frame));
  }
  return frames;
}

json ReductionsJson(const FiscalMemory& memory) {
  json reductions = json::array();
  const size_t first = memory.size() > kReductionsShown ? memory.size() - kReductionsShown : 0;
  for (size_t k = first; k < memory.size(); ++k) {
    const ZRecord& z = memory[k];
    reductions.push_back({{"crz", z.crz},
                          {"date", DayText(z.date)},
                          {"coo", z.lastCoo},
                          {"gt", Text(AmountText(z.grandTotal))},
                          {"grossSales", Text(AmountText(z.grossSales))},
                          {"cancellations", Text(AmountText(z.cancellations))},
                          {"discounts", Text(AmountText(z.discounts))},
                          {"surcharges", Text(AmountText(z.surcharges))}});
  }
  return reductions;
}

json FaultsJson(const std::vector<FaultRule>& rules) {
  json faults = json::array();
  for (const FaultRule& rule : rules) faults.push_back(Text(FaultRuleText(rule)));
  return faults;
}

}  // namespace

std::string ViewSnapshot(const SharedPrinter& printer, uint64_t since) {
  json view;
  // The version is read with the rest, under the lock, so the page never
  // takes an older view for a newer one.
  printer.Read([&](const VirtualPrinter& p, uint64_t version, const SharedPrinter::Exchanges& exchanges) {
    view["version"] = version;
    const TDateTime clock = p.ClockNow();
    view["clock"] = Text(TapeDateTime(clock));
    if (version == since) return;
    const PrinterState s = p.RecentState();
    view["state"] = StateJson(s, clock);
    view["totals"] = TotalsJson(s);
    view["tape"] = TapeJson(p, s);
    view["frames"] = FramesJson(exchanges);
    view["reductions"] = ReductionsJson(s.fiscalMemory);
    view["reductionCount"] = s.fiscalMemory.size();
    view["faults"] = FaultsJson(p.Faults());
  });
  return view.dump();
}

}  // namespace mdx::emulator::view

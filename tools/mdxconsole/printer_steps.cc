#include "printer_steps.h"

#include <cmath>

#include "values.h"
#include "emulator/printer_tables.h"
#include "mdx00200/exceptions.h"

namespace mdxconsole {

namespace {

using mdx::emulator::PrinterState;
using mdx::emulator::TaxRate;
using mdx::emulator::TaxRateTable;

const JsonValue* Find(const JsonValue& object, const char* key) {
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

const std::string& Text(const JsonValue& j) { return j.get_ref<const std::string&>(); }

void OnlyMember(const JsonValue& j, const char* allowed) {
  for (const auto& member : j.items()) {
    if (member.key() != "console" && member.key() != "note" && member.key() != allowed)
      throw ScriptError("unknown member \"" + member.key() + "\"");
  }
}

mdx::emulator::VirtualPrinter* InProcessPrinter(const PrinterAccess& access, std::vector<std::string>& lines) {
  mdx::emulator::VirtualPrinter* printer = access.printer ? access.printer() : nullptr;
  if (!printer) lines.push_back("the printer is on a serial line: the console cannot reach it");
  return printer;
}

bool SetClock(const ScriptEntry& entry, const PrinterAccess& access, CallContext& context,
              std::vector<std::string>& lines) {
  OnlyMember(entry.raw, "clock");
  const JsonValue* clock = Find(entry.raw, "clock");
  if (!clock || !clock->is_string()) throw ScriptError("\"clock\" must be a text dd/mm/yyyy hh:nn:ss");
  const mdx::TDateTime when = DateOf(Text(*clock));
  if (context.dryRun) return true;
  mdx::emulator::VirtualPrinter* printer = InProcessPrinter(access, lines);
  if (!printer) return false;
  try {
    printer->SetClock(when);
  } catch (const mdx::Exception& e) {
    lines.push_back(mdx::AnsiToUtf8(e.Message()));
    return false;
  }
  access.setHostClock(when);
  std::string shown = ShowDate(when);  // a JSON text: without its quotes
  if (shown.size() >= 2 && shown.front() == '"') shown = shown.substr(1, shown.size() - 2);
  lines.push_back("the host's and the printer's clocks read " + shown);
  return true;
}

TaxRate RateOf(const JsonValue& j) {
  if (!j.is_object()) throw ScriptError("each rate must be {\"code\": \"T01\", \"rate\": 18.00}");
  for (const auto& member : j.items()) {
    if (member.key() != "code" && member.key() != "rate")
      throw ScriptError("unknown member \"" + member.key() + "\" of a rate");
  }
  const JsonValue* code = Find(j, "code");
  const JsonValue* rate = Find(j, "rate");
  if (!code || !code->is_string() || Text(*code).size() != 3)
    throw ScriptError("a rate's \"code\" must be 3 capital letters or digits");
  for (char c : Text(*code)) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      throw ScriptError("a rate's \"code\" must be 3 capital letters or digits");
  }
  if (!rate || !rate->is_number() || !(rate->get<double>() >= 0 && rate->get<double>() < 100))
    throw ScriptError("a rate's \"rate\" must be a percentage from 0 to 99.99");
  const double hundredths = rate->get<double>() * 100;
  if (std::fabs(hundredths - std::round(hundredths)) > 1e-6)
    throw ScriptError("a rate's \"rate\" has at most two decimals");
  return {Text(*code), static_cast<int>(std::lround(hundredths))};
}

bool ProgramTaxRates(const ScriptEntry& entry, const PrinterAccess& access, CallContext& context,
                     std::vector<std::string>& lines) {
  OnlyMember(entry.raw, "rates");
  const JsonValue* rates = Find(entry.raw, "rates");
  if (!rates || !rates->is_array() || rates->empty() ||
      rates->size() > static_cast<size_t>(mdx::emulator::kTaxRateCount))
    throw ScriptError("\"rates\" must be an array of 1 to 15 rates");
  TaxRateTable table;
  for (size_t k = 0; k < rates->size(); ++k) {
    table[k] = RateOf((*rates)[k]);
    for (size_t before = 0; before < k; ++before) {
      if (table[before].code == table[k].code) throw ScriptError("the code " + table[k].code + " comes twice");
    }
  }
  if (context.dryRun) return true;
  mdx::emulator::VirtualPrinter* printer = InProcessPrinter(access, lines);
  if (!printer) return false;
  PrinterState state = printer->State();
  if (state.dayOpen || state.document != mdx::emulator::DocumentKind::kNone) {
    lines.push_back("the printer has a fiscal day or a document open: its tax rates are programmed only "
                    "between a Z reduction and the next day's first document");
    return false;
  }
  state.taxRates = table;
  try {
    printer->SetState(state);
  } catch (const mdx::Exception& e) {
    lines.push_back(mdx::AnsiToUtf8(e.Message()));
    return false;
  }
  for (size_t k = 0; k < rates->size(); ++k) {
    lines.push_back("tax rate " + std::to_string(k + 1) + ": " + table[k].code + " " +
                    ShowNumber(table[k].hundredths / 100.0) + "%");
  }
  return true;
}

const char* KindName(mdx::emulator::DetailKind kind) {
  using mdx::emulator::DetailKind;
  switch (kind) {
    case DetailKind::kFiscalCoupon: return "coupon";
    case DetailKind::kCouponCancellation: return "coupon cancellation";
    case DetailKind::kNonFiscalReceipt: return "non-fiscal receipt";
    case DetailKind::kLinkedReceipt: return "linked receipt";
    case DetailKind::kReceiptReversal: return "receipt reversal";
    case DetailKind::kManagementReport: return "management report";
    case DetailKind::kXReading: return "X reading";
    case DetailKind::kZReduction: return "Z reduction";
    case DetailKind::kMemoryReading: return "memory reading";
  }
  return "document";
}

// One line per document of the printer's detail-tape memory, read from its
// journal: what a crash check counts against the coupons the host saw.
bool ShowDetailMemory(const ScriptEntry& entry, const PrinterAccess& access, CallContext& context,
                      std::vector<std::string>& lines) {
  OnlyMember(entry.raw, "");
  if (context.dryRun) return true;
  mdx::emulator::VirtualPrinter* printer = InProcessPrinter(access, lines);
  if (!printer) return false;
  const mdx::emulator::PrinterState recent = printer->RecentState();
  const int64_t end = recent.detailBase + static_cast<int64_t>(recent.detail.size());
  for (const mdx::emulator::DetailDocument& record : printer->DetailRecords(0, end)) {
    std::string line = "detail record: COO " + std::to_string(record.coo) + " " + KindName(record.kind);
    if (record.cancelled) line += " cancelled";
    lines.push_back(line);
  }
  return true;
}

}  // namespace

bool IsPrinterStep(const ScriptEntry& entry) {
  return entry.console == "set_clock" || entry.console == "program_tax_rates" ||
         entry.console == "detail_memory";
}

bool RunPrinterStep(const ScriptEntry& entry, const PrinterAccess& access, CallContext& context,
                    std::vector<std::string>& lines) {
  if (entry.console == "set_clock") return SetClock(entry, access, context, lines);
  if (entry.console == "detail_memory") return ShowDetailMemory(entry, access, context, lines);
  return ProgramTaxRates(entry, access, context, lines);
}

}  // namespace mdxconsole

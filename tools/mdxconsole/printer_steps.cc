#include "printer_steps.h"

#include <cmath>

#include "values.h"
#include "emulator/printer_tables.h"
#include "mdx00200/exceptions.h"

namespace mdxconsole {

namespace {

using Type = JsonValue::Type;
using mdx::emulator::PrinterState;
using mdx::emulator::TaxRate;
using mdx::emulator::TaxRateTable;

void OnlyMember(const JsonValue& j, const char* allowed) {
  for (const auto& member : j.members) {
    if (member.first != "console" && member.first != "note" && member.first != allowed)
      throw ScriptError("unknown member \"" + member.first + "\"");
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
  const JsonValue* clock = entry.raw.Find("clock");
  if (!clock || !clock->Is(Type::String)) throw ScriptError("\"clock\" must be a text dd/mm/yyyy hh:nn:ss");
  const mdx::TDateTime when = DateOf(clock->text);
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
  if (!j.Is(Type::Object)) throw ScriptError("each rate must be {\"code\": \"T01\", \"rate\": 18.00}");
  for (const auto& member : j.members) {
    if (member.first != "code" && member.first != "rate")
      throw ScriptError("unknown member \"" + member.first + "\" of a rate");
  }
  const JsonValue* code = j.Find("code");
  const JsonValue* rate = j.Find("rate");
  if (!code || !code->Is(Type::String) || code->text.size() != 3)
    throw ScriptError("a rate's \"code\" must be 3 capital letters or digits");
  for (char c : code->text) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      throw ScriptError("a rate's \"code\" must be 3 capital letters or digits");
  }
  if (!rate || !rate->Is(Type::Number) || !(rate->number >= 0 && rate->number < 100))
    throw ScriptError("a rate's \"rate\" must be a percentage from 0 to 99.99");
  const double hundredths = rate->number * 100;
  if (std::fabs(hundredths - std::round(hundredths)) > 1e-6)
    throw ScriptError("a rate's \"rate\" has at most two decimals");
  return {code->text, static_cast<int>(std::lround(hundredths))};
}

bool ProgramTaxRates(const ScriptEntry& entry, const PrinterAccess& access, CallContext& context,
                     std::vector<std::string>& lines) {
  OnlyMember(entry.raw, "rates");
  const JsonValue* rates = entry.raw.Find("rates");
  if (!rates || !rates->Is(Type::Array) || rates->items.empty() ||
      rates->items.size() > static_cast<size_t>(mdx::emulator::kTaxRateCount))
    throw ScriptError("\"rates\" must be an array of 1 to 15 rates");
  TaxRateTable table;
  for (size_t k = 0; k < rates->items.size(); ++k) {
    table[k] = RateOf(rates->items[k]);
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
  for (size_t k = 0; k < rates->items.size(); ++k) {
    lines.push_back("tax rate " + std::to_string(k + 1) + ": " + table[k].code + " " +
                    ShowNumber(table[k].hundredths / 100.0) + "%");
  }
  return true;
}

}  // namespace

bool IsPrinterStep(const ScriptEntry& entry) {
  return entry.console == "set_clock" || entry.console == "program_tax_rates";
}

bool RunPrinterStep(const ScriptEntry& entry, const PrinterAccess& access, CallContext& context,
                    std::vector<std::string>& lines) {
  if (entry.console == "set_clock") return SetClock(entry, access, context, lines);
  return ProgramTaxRates(entry, access, context, lines);
}

}  // namespace mdxconsole

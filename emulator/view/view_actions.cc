#include "emulator/view/view_actions.h"

#include <cstdlib>

#include "emulator/printer_clock.h"
#include "mdx00200/exceptions.h"

namespace mdx::emulator::view {

namespace {

std::string Field(const ActionFields& fields, const char* name) {
  const auto found = fields.find(name);
  return found == fields.end() ? std::string() : found->second;
}

ActionResult Done(std::string message) { return {true, std::move(message)}; }
ActionResult Refused(std::string message) { return {false, std::move(message)}; }

ActionResult Paper(SharedPrinter& printer, PaperLevel level) {
  printer.SetPaper(level);
  switch (level) {
    case PaperLevel::kLow: return Done("paper low: replies carry the paper warning");
    case PaperLevel::kOut: return Done("paper out: commands that print are refused");
    case PaperLevel::kOk: break;
  }
  return Done("paper back: a new roll");
}

ActionResult Busy(SharedPrinter& printer, const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 2 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  const int count = digits ? std::atoi(text.c_str()) : 0;
  if (count < 1) return Refused("busy needs a count from 1 to 99, not '" + text + "'");
  printer.AddFault({FaultKind::kBusy, "", count});
  return Done("busy for the next " + std::to_string(count) + " command(s)");
}

ActionResult CableBack(SharedPrinter& printer) {
  bool pulled = false;
  printer.Change([&](VirtualPrinter& p) {
    std::vector<FaultRule> rules = p.Faults();
    p.ClearFaults();
    for (const FaultRule& rule : rules) {
      if (rule.kind == FaultKind::kNoAnswer) {
        pulled = true;
      } else {
        p.AddFault(rule);
      }
    }
  });
  return Done(pulled ? "cable back: the printer answers again" : "the cable was not pulled");
}

ActionResult Refuse(SharedPrinter& printer, const std::string& status) {
  const bool valid = status.size() == 4 &&
                     status.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") == std::string::npos;
  if (!valid) return Refused("the status must be 4 capital letters or digits, not '" + status + "'");
  printer.AddFault({FaultKind::kRefuse, "", 1, status});
  return Done("the next command is refused with " + status);
}

ActionResult SetClockTo(SharedPrinter& printer, const std::string& text) {
  TDateTime to = 0;
  if (!TryStrToDateTime(text, to)) {
    return Refused("'" + text + "' is not a date and time dd/mm/yyyy hh:nn:ss");
  }
  try {
    printer.SetClock(to);
  } catch (const Exception& e) {
    return Refused(e.Message());
  }
  return Done("the printer's clock reads " + TapeDateTime(to));
}

ActionResult ClockHourOn(SharedPrinter& printer) {
  TDateTime to = 0;
  printer.Change([&](VirtualPrinter& p) {
    to = p.ClockNow() + 1.0 / 24;
    p.SetClock(to);
  });
  return Done("the printer's clock reads " + TapeDateTime(to));
}

}  // namespace

ActionResult RunAction(SharedPrinter& printer, const std::string& name, const ActionFields& fields) {
  if (name == "paper-low") return Paper(printer, PaperLevel::kLow);
  if (name == "paper-out") return Paper(printer, PaperLevel::kOut);
  if (name == "paper-back") return Paper(printer, PaperLevel::kOk);
  if (name == "drawer-close") {
    printer.CloseDrawer();
    return Done("the drawer is closed");
  }
  if (name == "busy") return Busy(printer, Field(fields, "count"));
  if (name == "cable-pull") {
    printer.AddFault({FaultKind::kNoAnswer, "", kEveryTime});
    return Done("cable pulled: no command is answered");
  }
  if (name == "cable-back") return CableBack(printer);
  if (name == "refuse") return Refuse(printer, Field(fields, "status"));
  if (name == "clock") return SetClockTo(printer, Field(fields, "to"));
  if (name == "clock-hour") return ClockHourOn(printer);
  if (name == "faults-clear") {
    printer.ClearFaults();
    return Done("no fault rule left");
  }
  return Refused("no such action: '" + name + "'");
}

}  // namespace mdx::emulator::view

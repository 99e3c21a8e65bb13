// What the printer's page may do to the printer: the things a person at a
// real printer does (the paper, the drawer, the cable, the clock) and the fault rules the
// tests use (busy, refuse). Never a counter, a total or a memory: the page
// cannot bring the printer to a state a real one could not reach.
#pragma once

#include <map>
#include <string>

#include "emulator/shared_printer.h"

namespace mdx::emulator::view {

struct ActionResult {
  bool ok = false;
  std::string message;  // what happened, or why nothing did
};

using ActionFields = std::map<std::string, std::string>;

// Runs the action `name` with its fields:
//   paper-low, paper-out, paper-back   the paper sensor
//   drawer-close                       a hand closes the cash drawer
//   busy (count 1-99)                  busy for the next `count` commands
//   cable-pull, cable-back             no answer to any command, and back
//   refuse (status, 4 letters/digits)  the next command refused with it
//   clock (to "dd/mm/yyyy hh:nn:ss")   the printer's clock set to `to`
//   clock-hour                         the printer's clock an hour on
//   faults-clear                       every fault rule dropped
// An unknown action or a field that is not understood changes nothing.
ActionResult RunAction(SharedPrinter& printer, const std::string& name, const ActionFields& fields);

}  // namespace mdx::emulator::view

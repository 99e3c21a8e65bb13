// What the printer's page shows, as JSON text: the printer's state, the
// day's totals as an X reading prints them, the paper tape's last documents,
// the last frames and replies, the fiscal memory's reductions and the fault
// rules still pending. Read under the printer's lock, at a cost that does not
// grow with the printer's history.
#pragma once

#include <cstdint>
#include <string>

#include "emulator/shared_printer.h"

namespace mdx::emulator::view {

// How many of the tape's last lines and of the last reductions the page gets.
inline constexpr int64_t kTapeLinesShown = 400;
inline constexpr size_t kReductionsShown = 60;

// The whole view. When `since` is the printer's current version, only the
// version and the clock (which runs on its own): the page has the rest.
std::string ViewSnapshot(const SharedPrinter& printer, uint64_t since = UINT64_MAX);

}  // namespace mdx::emulator::view

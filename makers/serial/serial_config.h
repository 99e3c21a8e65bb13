// The serial substitute's settings, from environment variables:
//   MDX_PRINTER_STATE     the virtual printer's state file; unset or empty =
//                         in memory only
//   MDX_PRINTER_COLUMNS   tape width of a fresh printer, 40 or 48 (default 48)
//   MDX_SERIAL_DEBUG      1 = every frame and reply is written to stderr
//   MDX_SERIAL_TRANSPORT  "inprocess" (the default, and the only one for now)
#pragma once

#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx::serial {

inline constexpr char kInProcessTransport[] = "inprocess";

struct SerialConfig {
  AnsiString stateFile;
  int tapeWidth = 48;
  bool dumpFrames = false;
  AnsiString transport = kInProcessTransport;
  // One line per setting that was not understood (its default is used).
  std::vector<AnsiString> problems;
};

// Reads the settings from the process environment.
SerialConfig ReadSerialConfig();

}  // namespace mdx::serial

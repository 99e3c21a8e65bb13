#include "serial/serial_config.h"

#include <cstdlib>

namespace mdx::serial {

namespace {

AnsiString Setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? AnsiString(value) : AnsiString();
}

}  // namespace

SerialConfig ReadSerialConfig() {
  SerialConfig config;
  config.stateFile = Setting("MDX_PRINTER_STATE");

  const AnsiString columns = Setting("MDX_PRINTER_COLUMNS");
  if (columns == "40" || columns == "48") {
    config.tapeWidth = columns == "40" ? 40 : 48;
  } else if (!columns.empty()) {
    config.problems.push_back("MDX_PRINTER_COLUMNS='" + columns + "' is not 40 or 48; using 48");
  }

  const AnsiString debug = Setting("MDX_SERIAL_DEBUG");
  if (debug == "1") {
    config.dumpFrames = true;
  } else if (!debug.empty() && debug != "0") {
    config.problems.push_back("MDX_SERIAL_DEBUG='" + debug + "' is not 0 or 1; frames not shown");
  }

  const AnsiString transport = Setting("MDX_SERIAL_TRANSPORT");
  if (!transport.empty()) config.transport = transport;
  return config;
}

}  // namespace mdx::serial

// The serial substitute's settings: a small configuration file, then the
// environment, whose variables win over the file's lines.
//
// The file is MDX_PRINTER_CONFIG when that is set, else "sersweda.conf" in
// the host executable's folder (a till's folder); a missing default file is
// no problem. One "key = value" a line; "#" starts a comment line:
//   state = printer.state        the state file (MDX_PRINTER_STATE)
//   columns = 40                 tape width of a fresh printer (MDX_PRINTER_COLUMNS)
//   debug = 1                    frames and replies on stderr (MDX_SERIAL_DEBUG)
//   transport = inprocess        the transport (MDX_SERIAL_TRANSPORT)
//   baud = 115200                the line's baud rate (MDX_SERIAL_BAUD)
//   timeout = 2000               the wait for one reply, ms (MDX_SERIAL_TIMEOUT_MS)
//   retries = 2                  sends of a frame after the first (MDX_SERIAL_RETRIES)
//   fault = busy 28 2            a fault rule, in file order (repeatable):
//           KIND [COMMAND|*] [COUNT|always] [STATUS|LENGTH]
//           KIND: refuse, busy, paper-low, paper-out, operation-open,
//           no-answer, reply-lost, long-reply; STATUS for refuse (4
//           characters), LENGTH for long-reply.
// Environment variables:
//   MDX_PRINTER_STATE     the virtual printer's state file; unset or empty =
//                         in memory only
//   MDX_PRINTER_COLUMNS   tape width of a fresh printer, 40 or 48 (default 48)
//   MDX_SERIAL_DEBUG      1 = every frame and reply is written to stderr
//   MDX_SERIAL_TRANSPORT  "inprocess" (the default): the virtual printer in
//                         this library; "tty:PATH" (e.g. tty:/dev/ttyS0,
//                         tty:/dev/pts/7): a printer on a serial line or a
//                         pseudo-terminal (tools/ecf-emulator), Linux only
//   MDX_SERIAL_BAUD       the line's baud rate: 1200, 2400, 4800, 9600, 19200,
//                         38400, 57600 or 115200 (default 115200)
//   MDX_SERIAL_TIMEOUT_MS the wait for one reply on the line, 1 to 600000 ms
//                         (default 2000)
//   MDX_SERIAL_RETRIES    how many times a frame that got no reply that checks
//                         is sent again, 0 to 20 (default 2: three tries); then
//                         the command has no answer
// The baud rate, timeout and retries apply to the tty transport only.
#pragma once

#include <functional>
#include <vector>

#include "emulator/fault_rule.h"
#include "mdx00200/ansi_string.h"

namespace mdx::serial {

inline constexpr char kInProcessTransport[] = "inprocess";
// The tty transport is this prefix followed by the device's path.
inline constexpr char kTtyTransportPrefix[] = "tty:";

struct SerialConfig {
  AnsiString stateFile;
  int tapeWidth = 48;
  bool dumpFrames = false;
  AnsiString transport = kInProcessTransport;
  int baud = 115200;
  int timeoutMs = 2000;
  int retries = 2;
  // The loopback port of the printer's web page (0: any free port); -1, the
  // default, serves no page.
  int viewPort = -1;
  // The file's fault rules, in order, added to every printer made.
  std::vector<emulator::FaultRule> faults;
  // One line per setting that was not understood (its default is used).
  std::vector<AnsiString> problems;
};

// A setting's value, "" when it is not set.
using SettingLookup = std::function<AnsiString(const char* name)>;

// The settings from the configuration file's text (`fileName` names it in
// the problems) and then from the environment lookup.
SerialConfig ParseSerialConfig(const AnsiString& fileText, const AnsiString& fileName,
                               const SettingLookup& environment);

// One fault rule as the file's fault lines give it:
// "KIND [COMMAND|*] [COUNT|always] [STATUS|LENGTH]". False when it is none.
bool ParseFaultRule(const AnsiString& text, emulator::FaultRule& rule);

// Reads the configuration file and the process environment.
SerialConfig ReadSerialConfig();

}  // namespace mdx::serial

// ecf-emulator's command line.
//
//   ecf-emulator (--pty [--path-file FILE] | --device PATH [--baud N])
//                [--state FILE] [--columns 40|48] [--clock "dd/mm/yyyy hh:nn:ss"]
//                [--fault RULE]... [--noise RATE] [--drop RATE] [--seed N]
//                [--view PORT]
//
// --pty         opens a new pseudo-terminal and prints its path as one line,
//               "ecf-emulator: /dev/pts/7"; --path-file also writes the path
//               (and a newline) to FILE
// --device PATH uses an existing terminal device (a serial port, one end of
//               a pair), in raw mode at --baud (default 115200)
// --state FILE  the printer's state file (default: in memory only)
// --columns     the tape width of a fresh printer (default 48)
// --clock       sets the printer's clock at the start
// --fault RULE  a fault rule, as the serial substitute's configuration file
//               writes them: KIND [COMMAND|*] [COUNT|always] [STATUS|LENGTH]
// --noise RATE  flips one random bit of each byte it sends with probability
//               RATE (0 to 1)
// --drop RATE   leaves out each byte it sends with probability RATE (0 to 1)
// --seed N      the seed of the noise and the drops (default: random)
// --view PORT   serves the printer's web page on 127.0.0.1:PORT (0: any
//               free port) and prints "ecf-emulator: page http://127.0.0.1:PORT/"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "emulator/fault_rule.h"
#include "mdx00200/datetime.h"

namespace ecf_emulator {

struct Options {
  bool pty = false;
  std::string pathFile;
  std::string device;
  int baud = 115200;
  std::string stateFile;
  int columns = 48;
  std::optional<mdx::TDateTime> clock;
  std::vector<mdx::emulator::FaultRule> faults;
  double noise = 0;
  double drop = 0;
  std::optional<uint32_t> seed;
  std::optional<int> viewPort;
};

// Reads argv. False with the reason in `error` for anything not understood.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

}  // namespace ecf_emulator

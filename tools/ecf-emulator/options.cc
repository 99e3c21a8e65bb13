#include "options.h"

#include <cstdlib>

#include "serial/serial_config.h"
#include "serial_line/tty_port.h"

namespace ecf_emulator {

namespace {

bool ParseRate(const std::string& text, double& rate) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(value >= 0 && value <= 1)) return false;
  rate = value;
  return true;
}

bool ParseWhole(const std::string& text, unsigned long long most, unsigned long long& value) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::strtoull(text.c_str(), nullptr, 10);
  return value <= most;
}

}  // namespace

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool takesValue = option != "--pty";
    if (takesValue && i + 1 >= argc) {
      error = option + " needs a value";
      return false;
    }
    const std::string value = takesValue ? argv[++i] : "";
    unsigned long long number = 0;
    if (option == "--pty") {
      options.pty = true;
    } else if (option == "--path-file") {
      options.pathFile = value;
    } else if (option == "--device") {
      options.device = value;
    } else if (option == "--baud") {
      if (!ParseWhole(value, 115200, number) || !mdx::serial_line::IsSupportedBaudRate(static_cast<int>(number))) {
        error = "--baud '" + value + "' is not a baud rate of the line";
        return false;
      }
      options.baud = static_cast<int>(number);
    } else if (option == "--state") {
      options.stateFile = value;
    } else if (option == "--columns") {
      if (value != "40" && value != "48") {
        error = "--columns '" + value + "' is not 40 or 48";
        return false;
      }
      options.columns = value == "40" ? 40 : 48;
    } else if (option == "--clock") {
      mdx::TDateTime clock = 0;
      if (!mdx::TryStrToDateTime(value, clock)) {
        error = "--clock '" + value + "' is not dd/mm/yyyy hh:nn:ss";
        return false;
      }
      options.clock = clock;
    } else if (option == "--fault") {
      mdx::emulator::FaultRule rule;
      if (!mdx::serial::ParseFaultRule(value, rule)) {
        error = "--fault '" + value + "' is not KIND [COMMAND|*] [COUNT|always] [STATUS|LENGTH]";
        return false;
      }
      options.faults.push_back(rule);
    } else if (option == "--noise" || option == "--drop") {
      if (!ParseRate(value, option == "--noise" ? options.noise : options.drop)) {
        error = option + " '" + value + "' is not a rate from 0 to 1";
        return false;
      }
    } else if (option == "--view") {
      if (!ParseWhole(value, 65535, number)) {
        error = "--view '" + value + "' is not a port number from 0 to 65535";
        return false;
      }
      options.viewPort = static_cast<int>(number);
    } else if (option == "--seed") {
      if (!ParseWhole(value, 0xFFFFFFFFull, number)) {
        error = "--seed '" + value + "' is not a number from 0 to 4294967295";
        return false;
      }
      options.seed = static_cast<uint32_t>(number);
    } else {
      error = "unknown option " + option;
      return false;
    }
  }
  if (options.pty == !options.device.empty()) {
    error = "give either --pty or --device PATH";
    return false;
  }
  if (!options.pathFile.empty() && !options.pty) {
    error = "--path-file goes with --pty";
    return false;
  }
  return true;
}

}  // namespace ecf_emulator

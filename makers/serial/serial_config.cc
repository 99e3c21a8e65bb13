#include "serial/serial_config.h"

#include <cstdlib>
#include <sstream>

#include "emulator/fault_names.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdx::serial {

namespace {

constexpr int kLongestTimeoutMs = 600000;
constexpr int kMostRetries = 20;

AnsiString Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? AnsiString(value) : AnsiString();
}

AnsiString Trimmed(const AnsiString& text) {
  size_t first = 0, last = text.size();
  while (first < last && (text[first] == ' ' || text[first] == '\t' || text[first] == '\r')) ++first;
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t' || text[last - 1] == '\r')) --last;
  return text.substr(first, last - first);
}

std::vector<AnsiString> Words(const AnsiString& text) {
  std::istringstream in(text);
  std::vector<AnsiString> words;
  for (AnsiString word; in >> word;) words.push_back(word);
  return words;
}

bool ParseCount(const AnsiString& text, int& count) {
  if (text == "always") {
    count = emulator::kEveryTime;
    return true;
  }
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != AnsiString::npos) {
    return false;
  }
  count = std::atoi(text.c_str());
  return count >= 1;
}

}  // namespace

bool ParseFaultRule(const AnsiString& text, emulator::FaultRule& rule) {
  const std::vector<AnsiString> words = Words(text);
  if (words.empty() || words.size() > 4 || !emulator::FaultKindFromName(words[0], rule.kind)) return false;
  if (words.size() > 1 && words[1] != "*") rule.command = words[1];
  if (words.size() > 2 && !ParseCount(words[2], rule.count)) return false;
  if (words.size() > 3) {
    if (rule.kind == emulator::FaultKind::kRefuse && words[3].size() == 4) {
      rule.status = words[3];
    } else if (rule.kind == emulator::FaultKind::kLongReply) {
      int length = 0;
      if (!ParseCount(words[3], length) || length > 65536) return false;
      rule.length = length;
    } else {
      return false;
    }
  }
  return true;
}

namespace {

void SetColumns(SerialConfig& config, const AnsiString& value, const AnsiString& where) {
  if (value == "40" || value == "48") {
    config.tapeWidth = value == "40" ? 40 : 48;
  } else {
    config.problems.push_back(where + "='" + value + "' is not 40 or 48; using " +
                              std::to_string(config.tapeWidth));
  }
}

void SetDebug(SerialConfig& config, const AnsiString& value, const AnsiString& where) {
  if (value == "0" || value == "1") {
    config.dumpFrames = value == "1";
  } else {
    config.problems.push_back(where + "='" + value + "' is not 0 or 1; frames " +
                              (config.dumpFrames ? "shown" : "not shown"));
  }
}

// A whole number from `low` to `high`; anything else is reported and the
// setting keeps its value.
void SetNumber(SerialConfig& config, int& setting, const AnsiString& value, int low, int high,
               const AnsiString& where) {
  const bool digits = !value.empty() && value.size() <= 7 &&
                      value.find_first_not_of("0123456789") == AnsiString::npos;
  const int number = digits ? std::atoi(value.c_str()) : -1;
  if (digits && number >= low && number <= high) {
    setting = number;
  } else {
    config.problems.push_back(where + "='" + value + "' is not a number from " + std::to_string(low) +
                              " to " + std::to_string(high) + "; using " + std::to_string(setting));
  }
}

void SetBaud(SerialConfig& config, const AnsiString& value, const AnsiString& where) {
  for (const char* rate : {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}) {
    if (value == rate) {
      config.baud = std::atoi(rate);
      return;
    }
  }
  config.problems.push_back(where + "='" + value + "' is not a baud rate of the line; using " +
                            std::to_string(config.baud));
}

void SetViewPort(SerialConfig& config, const AnsiString& value, const AnsiString& where) {
  const bool digits = !value.empty() && value.size() <= 5 &&
                      value.find_first_not_of("0123456789") == AnsiString::npos;
  const int number = digits ? std::atoi(value.c_str()) : -1;
  if (digits && number <= 65535) {
    config.viewPort = number;
  } else {
    config.problems.push_back(where + "='" + value +
                              "' is not a port number from 0 to 65535; the printer's page is not served");
    config.viewPort = -1;
  }
}

void ReadFileLines(SerialConfig& config, const AnsiString& text, const AnsiString& fileName) {
  std::istringstream in(text);
  int number = 0;
  for (AnsiString raw; std::getline(in, raw);) {
    ++number;
    const AnsiString line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    const AnsiString where = fileName + ":" + std::to_string(number);
    const size_t equals = line.find('=');
    if (equals == AnsiString::npos) {
      config.problems.push_back(where + ": '" + line + "' is not key = value; ignored");
      continue;
    }
    const AnsiString key = Trimmed(line.substr(0, equals));
    const AnsiString value = Trimmed(line.substr(equals + 1));
    if (key == "state") {
      config.stateFile = value;
    } else if (key == "columns") {
      SetColumns(config, value, where + ": columns");
    } else if (key == "debug") {
      SetDebug(config, value, where + ": debug");
    } else if (key == "transport") {
      if (!value.empty()) config.transport = value;
    } else if (key == "baud") {
      SetBaud(config, value, where + ": baud");
    } else if (key == "timeout") {
      SetNumber(config, config.timeoutMs, value, 1, kLongestTimeoutMs, where + ": timeout");
    } else if (key == "retries") {
      SetNumber(config, config.retries, value, 0, kMostRetries, where + ": retries");
    } else if (key == "view") {
      SetViewPort(config, value, where + ": view");
    } else if (key == "fault") {
      emulator::FaultRule rule;
      if (ParseFaultRule(value, rule)) {
        config.faults.push_back(rule);
      } else {
        config.problems.push_back(where + ": fault '" + value + "' is not understood; ignored");
      }
    } else {
      config.problems.push_back(where + ": unknown setting '" + key + "'; ignored");
    }
  }
}

}  // namespace

SerialConfig ParseSerialConfig(const AnsiString& fileText, const AnsiString& fileName,
                               const SettingLookup& environment) {
  SerialConfig config;
  ReadFileLines(config, fileText, fileName);

  const AnsiString state = environment("MDX_PRINTER_STATE");
  if (!state.empty()) config.stateFile = state;
  const AnsiString columns = environment("MDX_PRINTER_COLUMNS");
  if (!columns.empty()) SetColumns(config, columns, "MDX_PRINTER_COLUMNS");
  const AnsiString debug = environment("MDX_SERIAL_DEBUG");
  if (!debug.empty()) SetDebug(config, debug, "MDX_SERIAL_DEBUG");
  const AnsiString transport = environment("MDX_SERIAL_TRANSPORT");
  if (!transport.empty()) config.transport = transport;
  const AnsiString baud = environment("MDX_SERIAL_BAUD");
  if (!baud.empty()) SetBaud(config, baud, "MDX_SERIAL_BAUD");
  const AnsiString timeout = environment("MDX_SERIAL_TIMEOUT_MS");
  if (!timeout.empty()) SetNumber(config, config.timeoutMs, timeout, 1, kLongestTimeoutMs, "MDX_SERIAL_TIMEOUT_MS");
  const AnsiString retries = environment("MDX_SERIAL_RETRIES");
  if (!retries.empty()) SetNumber(config, config.retries, retries, 0, kMostRetries, "MDX_SERIAL_RETRIES");
  const AnsiString view = environment("MDX_PRINTER_VIEW");
  if (!view.empty()) SetViewPort(config, view, "MDX_PRINTER_VIEW");
  return config;
}

SerialConfig ReadSerialConfig() {
  const AnsiString named = Environment("MDX_PRINTER_CONFIG");
  const AnsiString fileName =
      named.empty() ? platform::ExecutableDirectory() + "sersweda.conf" : named;
  AnsiString text;
  AnsiString problem;
  if (platform::FileExists(fileName)) {
    try {
      text = platform::ReadFile(fileName);
    } catch (const Exception& e) {
      problem = e.Message() + "; its settings are not used";
    }
  } else if (!named.empty()) {
    problem = "configuration file " + fileName + " (MDX_PRINTER_CONFIG) not found; not used";
  }
  SerialConfig config = ParseSerialConfig(text, fileName, Environment);
  if (!problem.empty()) config.problems.insert(config.problems.begin(), problem);
  return config;
}

}  // namespace mdx::serial

#include "emulator/paper_tape.h"

namespace mdx::emulator {

namespace {

void PrintLine(Tape& tape, int width, AnsiString line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  const size_t w = width > 0 ? static_cast<size_t>(width) : 1;
  while (line.size() > w) {
    AnsiString head = line.substr(0, w);
    while (!head.empty() && head.back() == ' ') head.pop_back();
    tape.push_back(head);
    line.erase(0, w);
  }
  tape.push_back(line);
}

}  // namespace

void PrintText(Tape& tape, int width, std::string_view text) {
  AnsiString line;
  bool pending = true;  // a line is under way (an empty text prints one)
  for (char c : text) {
    if (c == '\n') {
      PrintLine(tape, width, line);
      line.clear();
      pending = false;
      continue;
    }
    // CR and the other control characters print nothing.
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) continue;
    line += c;
    pending = true;
  }
  if (pending) PrintLine(tape, width, line);
}

AnsiString RuleLine(int width, char fill) {
  return AnsiString(width > 0 ? static_cast<size_t>(width) : 0, fill);
}

AnsiString Centred(std::string_view text, int width) {
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  if (text.size() >= w) return AnsiString(text.substr(0, w));
  AnsiString line((w - text.size()) / 2, ' ');
  line += text;
  return line;
}

AnsiString LeftAndRight(std::string_view left, std::string_view right, int width) {
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  AnsiString line(left.substr(0, w));
  line.resize(w, ' ');
  const size_t r = right.size() < w ? right.size() : w;
  line.replace(w - r, r, right.substr(0, r));
  return line;
}

void PrintLeftAndRight(Tape& tape, int width, std::string_view left, std::string_view right) {
  if (left.size() + 1 + right.size() <= static_cast<size_t>(width)) {
    tape.push_back(LeftAndRight(left, right, width));
    return;
  }
  PrintText(tape, width, left);
  tape.push_back(LeftAndRight("", right, width));
}

AnsiString AmountText(int64_t cents) {
  if (cents < 0) cents = 0;
  AnsiString hundredths = std::to_string(cents % 100);
  if (hundredths.size() < 2) hundredths.insert(0, 1, '0');
  return std::to_string(cents / 100) + "," + hundredths;
}

}  // namespace mdx::emulator

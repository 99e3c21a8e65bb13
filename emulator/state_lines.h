// The line format of the state file: "name value" lines, text escaped so
// that it stays on its line, and a CRC-32 over the whole file.
#pragma once

#include <cstdint>
#include <string_view>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

// CRC-32 (IEEE) of the bytes, and as 8 lower-case hex digits.
uint32_t Crc32(std::string_view bytes);
AnsiString Hex8(uint32_t value);

// Bytes below 0x20, 0x7F and "\" written as "\xHH"; everything else as it is.
AnsiString EscapeText(std::string_view text);
// The reverse of EscapeText; false on a malformed "\x" sequence.
bool UnescapeText(std::string_view text, AnsiString& out);

// A decimal integer from low to high, the whole text.
bool ParseNumber(std::string_view text, int64_t low, int64_t high, int64_t& number);

// Reads "name value" lines in order. Every method returns false after
// recording what is wrong, with the line number, in Error().
class StateReader {
 public:
  explicit StateReader(std::string_view text) : text_(text) {}

  // The next line, whatever it holds.
  bool Next(std::string_view& line);
  // True when the next line is named `name` (nothing is read).
  bool Has(std::string_view name) const;
  // The value of the next line, which must be named `name`.
  bool Value(const char* name, std::string_view& value);
  bool Number(const char* name, int64_t low, int64_t high, int64_t& number);
  bool Int(const char* name, int low, int high, int& number);
  bool Flag(const char* name, bool& flag);
  // An entry line "name position rest": the position must follow `last`
  // (positions only grow) and be at most `capacity`; `last` becomes it.
  bool Entry(const char* name, int capacity, int& last, std::string_view& rest);
  // True when no line is left; otherwise fails.
  bool End();

  bool Fail(const std::string& reason);
  const AnsiString& Error() const { return error_; }

 private:
  std::string_view text_;
  size_t at_ = 0;
  int number_ = 0;
  AnsiString error_;
};

}  // namespace mdx::emulator

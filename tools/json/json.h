// A small JSON reader and writer for the tools (RFC 8259, UTF-8).
//
// The reader is strict: one value, no comments, no trailing commas, valid
// UTF-8 only, no duplicate keys, at most 64 levels of nesting. A UTF-8 byte
// order mark at the start is skipped. Errors are JsonError with the line and
// column (1-based, columns in bytes) where the problem is.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace mdxjson {

class JsonError : public std::runtime_error {
 public:
  JsonError(int line, int column, const std::string& what)
      : std::runtime_error(std::to_string(line) + ":" + std::to_string(column) + ": " + what) {}
};

struct JsonValue {
  enum class Type { Null, Boolean, Number, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // a string's UTF-8 bytes, or a number as written
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;  // in document order
  int line = 0, column = 0;                                // where the value starts

  bool Is(Type t) const { return type == t; }
  // The member named key, or nullptr.
  const JsonValue* Find(const std::string& key) const;
  const char* TypeName() const;  // "null", "a number", "a text", ...
};

JsonValue ParseJson(const std::string& text);

// A JSON string literal (quotes included) of UTF-8 text.
std::string JsonQuote(const std::string& utf8);
// The shortest text that reads back as the same double (finite values only).
std::string JsonNumber(double value);

}  // namespace mdxjson

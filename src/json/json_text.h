// JSON text for the package's C interface and the tools, read and written by
// nlohmann::json (Debian's nlohmann-json3-dev, header only). Objects keep
// their members in document order, so a parameter record keeps its pairs'
// order and a dataset its fields'.
//
// The reader is strict: one value, no comments, no trailing commas, valid
// UTF-8 only, no duplicate keys, at most 64 levels of nesting. A UTF-8 byte
// order mark at the start is skipped. Errors are JsonError, whose message
// says where (line and column, columns in bytes) and what.
#pragma once

#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

namespace mdxjson {

using Json = nlohmann::ordered_json;

class JsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Json ParseJson(const std::string& text);

// "null", "a boolean", "a number", "a text", "an array", "an object".
const char* JsonTypeName(const Json& value);

// A JSON string literal (quotes included) of UTF-8 text.
std::string JsonQuote(const std::string& utf8);
// The shortest text that reads back as the same double (finite values only).
std::string JsonNumber(double value);
// Compact JSON text of a value (UTF-8; a text that is not UTF-8 has its bad
// bytes replaced, never an exception).
std::string JsonText(const Json& value, int indent = -1);

}  // namespace mdxjson

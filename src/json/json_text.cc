#include "json/json_text.h"

#include <charconv>
#include <set>
#include <vector>

namespace mdxjson {

namespace {

constexpr int kMaxDepth = 64;

// Refuses duplicate keys and deep nesting while nlohmann parses: one set of
// seen keys per open object.
class Strictness {
 public:
  bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
    if (depth > kMaxDepth) throw JsonError("JSON nested more than 64 levels deep");
    switch (event) {
      case Json::parse_event_t::object_start:
        keys_.emplace_back();
        break;
      case Json::parse_event_t::object_end:
        keys_.pop_back();
        break;
      case Json::parse_event_t::key: {
        const std::string& key = parsed.get_ref<const std::string&>();
        if (!keys_.back().insert(key).second) throw JsonError("duplicate key " + JsonQuote(key));
        break;
      }
      default:
        break;
    }
    return true;
  }

 private:
  std::vector<std::set<std::string>> keys_;
};

}  // namespace

Json ParseJson(const std::string& text) {
  const size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  Strictness strictness;
  try {
    return Json::parse(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                       [&strictness](int depth, Json::parse_event_t event, Json& parsed) {
                         return strictness(depth, event, parsed);
                       });
  } catch (const Json::exception& e) {
    // "[json.exception.parse_error.101] parse error at line 1, column 5: ...",
    // "[json.exception.out_of_range.406] number overflow parsing '1e400'"
    std::string what = e.what();
    const size_t at = what.find("] ");
    throw JsonError(at == std::string::npos ? what : what.substr(at + 2));
  }
}

const char* JsonTypeName(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null: return "null";
    case Json::value_t::boolean: return "a boolean";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: return "a number";
    case Json::value_t::string: return "a text";
    case Json::value_t::array: return "an array";
    case Json::value_t::object: return "an object";
    default: return "a value of another kind";
  }
}

std::string JsonQuote(const std::string& utf8) { return Json(utf8).dump(-1, ' ', false, Json::error_handler_t::replace); }

std::string JsonNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);  // shortest round trip
  return std::string(buffer, result.ptr);
}

std::string JsonText(const Json& value, int indent) {
  return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace mdxjson

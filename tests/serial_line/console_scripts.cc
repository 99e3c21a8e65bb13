#include "serial_line/console_scripts.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "json/json.h"

namespace mdx::test {

namespace {

using mdxjson::JsonValue;
using Type = JsonValue::Type;

std::string Write(const JsonValue& value) {
  switch (value.type) {
    case Type::Null: return "null";
    case Type::Boolean: return value.boolean ? "true" : "false";
    case Type::Number: return value.text.empty() ? mdxjson::JsonNumber(value.number) : value.text;
    case Type::String: return mdxjson::JsonQuote(value.text);
    case Type::Array: {
      std::string out = "[";
      for (size_t i = 0; i < value.items.size(); ++i) out += (i ? "," : "") + Write(value.items[i]);
      return out + "]";
    }
    case Type::Object: {
      std::string out = "{";
      for (size_t i = 0; i < value.members.size(); ++i) {
        out += (i ? ",\n" : "") + mdxjson::JsonQuote(value.members[i].first) + ":" + Write(value.members[i].second);
      }
      return out + "}";
    }
  }
  return "null";
}

std::string Op(const JsonValue& call) {
  const JsonValue* op = call.Find("op");
  return op && op->Is(Type::String) ? op->text : "";
}

JsonValue Expecting(JsonValue call) {
  for (auto& [name, value] : call.members) {
    if (name == "expect") {
      value = JsonValue{};
      value.type = Type::Boolean;
      value.boolean = true;
      return call;
    }
  }
  JsonValue yes;
  yes.type = Type::Boolean;
  yes.boolean = true;
  call.members.emplace_back("expect", yes);
  return call;
}

}  // namespace

std::string CutScript(ScriptCut cut, int items) {
  std::ifstream file(std::string(MDX_DEMO_DIR) + "/till-day.json", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  JsonValue day = mdxjson::ParseJson(text.str());
  JsonValue* calls = nullptr;
  for (auto& [name, value] : day.members) {
    if (name == "calls") calls = &value;
  }
  if (!calls) throw std::runtime_error("till-day.json has no calls");

  std::vector<JsonValue> kept;
  for (const JsonValue& call : calls->items) {
    const std::string op = Op(call);
    if (cut == ScriptCut::kLongSale && op == "VendaItem") {
      for (int i = 0; i < items; ++i) kept.push_back(Expecting(call));
      break;
    }
    kept.push_back(call);
    if (cut == ScriptCut::kStart && op == "StartImpFiscal") break;
    if (cut == ScriptCut::kSale && op == "FechaCupom") break;
  }
  calls->items = kept;
  return Write(day);
}

}  // namespace mdx::test

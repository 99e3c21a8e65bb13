#include "serial_line/console_scripts.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "json/json_text.h"

namespace mdx::test {

namespace {

using mdxjson::Json;

std::string Op(const Json& call) {
  const auto op = call.find("op");
  return op != call.end() && op->is_string() ? op->get<std::string>() : "";
}

Json Expecting(Json call) {
  call["expect"] = true;
  return call;
}

}  // namespace

std::string CutScript(ScriptCut cut, int items) {
  std::ifstream file(std::string(MDX_DEMO_DIR) + "/till-day.json", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  Json day = mdxjson::ParseJson(text.str());
  if (!day.contains("calls")) throw std::runtime_error("till-day.json has no calls");
  Json& calls = day["calls"];

  Json kept = Json::array();
  for (const Json& call : calls) {
    const std::string op = Op(call);
    if (cut == ScriptCut::kLongSale && op == "VendaItem") {
      for (int i = 0; i < items; ++i) kept.push_back(Expecting(call));
      break;
    }
    kept.push_back(call);
    if (cut == ScriptCut::kStart && op == "StartImpFiscal") break;
    if (cut == ScriptCut::kSale && op == "FechaCupom") break;
  }
  calls = kept;
  return mdxjson::JsonText(day, 1);
}

}  // namespace mdx::test

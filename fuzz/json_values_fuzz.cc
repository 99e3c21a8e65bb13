// Fuzz target: the JSON the C interface and the console read. The input is
// JSON text; a malformed one must be refused with JsonError. An array's
// elements are made into the package's values as call arguments are (records,
// lists, dates, result arrays, data packets of {fields, rows} datasets); a
// value that does not have its form must be refused with ValueError. A value
// that is made must write back as JSON that reads again, and a dataset that
// is made must dump to the same document after a second make.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "json/cds_json.h"
#include "json/variant_json.h"
#include "mdx00200/exceptions.h"
#include "quiet_host.h"

namespace {

using mdxjson::Json;

class FuzzValues : public mdxjson::ValueContext {
 public:
  mdx::TClientDataSet* DataSetOf(const Json& value) override {
    if (value.is_null()) return nullptr;
    if (!value.is_object() || !value.contains("fields") || !value.contains("rows"))
      throw mdxjson::ValueError("not a dataset");
    auto dataSet = std::make_unique<mdx::TClientDataSet>();
    try {
      mdxjson::MakeDataSet(value["fields"], "", value["rows"], "", *dataSet);
    } catch (const mdxjson::InputError& e) {
      throw mdxjson::ValueError(e.what());
    }
    // The dump makes the same dataset again, and dumps the same.
    const Json dump = mdxjson::DataSetJson(*dataSet);
    mdx::TClientDataSet again;
    try {
      mdxjson::MakeDataSet(dump, "", dump, "", again);
    } catch (const mdxjson::InputError& e) {
      FUZZ_CHECK(false, "a dataset's own dump does not make it again: %s", e.what());
    }
    FUZZ_CHECK(mdxjson::DataSetJson(again) == dump, "a dataset made from its dump dumps differently");
    made_.push_back(std::move(dataSet));
    return made_.back().get();
  }

 private:
  std::vector<std::unique_ptr<mdx::TClientDataSet>> made_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mdx::fuzz::InstalledQuietHost();
  const std::string text(reinterpret_cast<const char*>(data), size);
  Json document;
  try {
    document = mdxjson::ParseJson(text);
  } catch (const mdxjson::JsonError&) {
    return 0;
  }
  FUZZ_CHECK(mdxjson::ParseJson(mdxjson::JsonText(document)) == document, "a document does not read back");
  if (!document.is_array()) return 0;
  for (const Json& element : document) {
    FuzzValues values;
    mdx::Variant value;
    try {
      value = mdxjson::VariantOf(element, values);
    } catch (const mdxjson::ValueError&) {
      continue;
    } catch (const mdx::Exception&) {
      continue;  // the dataset's own refusals (a packet too large, ...)
    }
    const std::string written = mdxjson::JsonText(mdxjson::JsonOfVariant(value));
    try {
      mdxjson::ParseJson(written);
    } catch (const mdxjson::JsonError& e) {
      FUZZ_CHECK(false, "a value's JSON does not read: %s", e.what());
    }
  }
  return 0;
}

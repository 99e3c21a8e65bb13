#include "capi/call_values.h"

#include "json/cds_json.h"
#include "mdx00200/exceptions.h"

namespace mdxcapi {

mdx::TClientDataSet* CallValues::DataSetOf(const Json& value) {
  if (value.is_null()) return nullptr;
  if (!value.is_object())
    throw mdxjson::ValueError(std::string("expected a dataset ({\"fields\": [...], \"rows\": [...]}), got ") +
                              mdxjson::JsonTypeName(value));
  for (const auto& member : value.items())
    if (member.key() != "fields" && member.key() != "rows" && member.key() != "file")
      throw mdxjson::ValueError("a dataset has no member \"" + member.key() + "\"");
  const auto file = value.find("file");
  const auto fields = value.find("fields");
  const auto rows = value.find("rows");
  auto dataSet = std::make_unique<mdx::TClientDataSet>();
  if (file != value.end()) {
    if (fields != value.end() || rows != value.end())
      throw mdxjson::ValueError("a dataset comes from \"file\" or from \"fields\" and \"rows\", not both");
    const mdx::AnsiString path = mdxjson::TextOf(*file);
    try {
      dataSet->LoadFromFile(path);
    } catch (const mdx::Exception& e) {
      throw mdxjson::ValueError("cannot load the dataset file " + mdx::AnsiToUtf8(path) + ": " +
                                mdx::AnsiToUtf8(e.Message()));
    }
  } else {
    if (fields == value.end() || rows == value.end())
      throw mdxjson::ValueError("a dataset needs both \"fields\" and \"rows\"");
    try {
      mdxjson::MakeDataSet(*fields, "", *rows, "", *dataSet);
    } catch (const mdxjson::InputError& e) {
      throw mdxjson::ValueError(std::string("bad dataset: ") + e.what());
    } catch (const mdx::Exception& e) {
      throw mdxjson::ValueError("bad dataset: " + mdx::AnsiToUtf8(e.Message()));
    }
  }
  made_.push_back({place_, std::move(dataSet)});
  return made_.back().dataSet.get();
}

void CallValues::NoteRecord(const Json& record) { records_.push_back({place_, record}); }

std::string CallValues::Lacking(const mdx::AnsiString& name) const {
  const std::string utf8 = mdx::AnsiToUtf8(name);
  for (const Made& made : made_)
    if (made.dataSet->Active() && !made.dataSet->FindField(name)) return made.place + " has no field '" + utf8 + "'";
  for (const Record& record : records_)
    if (!record.names.contains(utf8)) return record.place + " has no '" + utf8 + "'";
  return "";
}

}  // namespace mdxcapi

// The values of one call through the C interface: the datasets its JSON
// arguments describe, owned for the call, and where each came from, so that
// an error about a dataset names the argument the host passed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "json/variant_json.h"

namespace mdxcapi {

using mdxjson::Json;

class CallValues : public mdxjson::ValueContext {
 public:
  // {"fields": [...], "rows": [...]} or {"file": "path.cds"}; null gives
  // nullptr.
  mdx::TClientDataSet* DataSetOf(const Json& value) override;

  // The place of the values being made ("argument 2", "argument 1, element
  // 13"), recorded with each dataset made there.
  void SetPlace(std::string place) { place_ = std::move(place); }
  const std::string& Place() const { return place_; }
  // Notes a parameter record made at the current place.
  void NoteRecord(const Json& record);
  // "argument 1, element 13 has no field 'X'" for the first dataset of the
  // call without the field `name`, "argument 1 has no 'X'" for the first
  // record without that name; "" when every one has it (or none was passed).
  std::string Lacking(const mdx::AnsiString& name) const;

 private:
  struct Made {
    std::string place;
    std::unique_ptr<mdx::TClientDataSet> dataSet;
  };
  std::vector<Made> made_;
  struct Record {
    std::string place;
    Json names;
  };
  std::vector<Record> records_;
  std::string place_;
};

}  // namespace mdxcapi

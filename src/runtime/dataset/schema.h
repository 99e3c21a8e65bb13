// The structure a data packet carries: field definitions, the field and
// packet properties this layer does not interpret (kept so that they are
// written back as they came), and how each field's values are coded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mdx00200/dataset_defs.h"
#include "runtime/dataset/cell.h"

namespace mdx::dataset {

// One property of a field or of the packet, as it stands in the packet:
// value holds every byte after the type (array count, length prefix, data).
struct RawProperty {
  std::string name;
  uint16_t size = 0;
  uint16_t type = 0;
  std::string value;
};

struct Schema {
  std::vector<TFieldDef> fields;
  std::vector<std::vector<RawProperty>> fieldExtras;  // parallel to fields
  std::vector<RawProperty> properties;                // packet properties kept as read

  // A schema of new fields (no kept properties; the locale of Brazil).
  static Schema FromFieldDefs(const std::vector<TFieldDef>& defs);
  int IndexOf(const std::string& fieldName) const;  // case-insensitive, -1 when absent
};

// How one field's values are coded in records.
struct FieldCodec {
  Storage storage = Storage::Text;
  uint16_t type = 0;  // packet field type, flags included
  uint16_t size = 0;  // fixed value size, or the length prefix of varying values
  int width = 0;      // text width in characters (bytes for single-byte text)
};

FieldCodec CodecFor(const TFieldDef& def);

}  // namespace mdx::dataset

// The packet property that stores a dataset's index definitions.
//
// Name "MDX_INDEXDEFS", value type 0x4B (varying bytes), value size 4: a
// uint32 byte length L, then L bytes:
//   uint16 layout version (1)
//   uint16 index count
//   per index: uint8 name length, name bytes;
//              uint16 length of the field list, the fields joined by ';';
//              uint16 options (0x0001 case-insensitive; no other bit is used)
// Texts are single-byte (1252) without NULs. A reader that does not know the
// property skips it by its length.
#pragma once

#include <vector>

#include "mdx00200/dataset_defs.h"
#include "runtime/dataset/schema.h"

namespace mdx::dataset {

RawProperty EncodeIndexDefs(const std::vector<TIndexDef>& defs);
// Raises EDatabaseError when the property is damaged.
std::vector<TIndexDef> DecodeIndexDefs(const RawProperty& property);

}  // namespace mdx::dataset

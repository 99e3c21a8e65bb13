// Reads a binary data packet into its structure and the rows of its current
// view (a packet written with the change log comes out merged).
//
// Every count and length is checked against the bytes that remain before it
// is used, so a truncated, corrupted or hostile packet raises EDatabaseError
// ("Invalid data packet: ...") and never reads out of bounds, allocates from
// an unchecked count, or loops beyond the packet's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "mdx00200/dataset_defs.h"
#include "runtime/dataset/cell.h"
#include "runtime/dataset/schema.h"

namespace mdx::dataset {

struct Packet {
  Schema schema;
  bool hasIndexDefs = false;
  std::vector<TIndexDef> indexDefs;
  std::vector<Row> rows;
};

Packet ReadPacket(const uint8_t* data, size_t size);

}  // namespace mdx::dataset

// Writes a dataset's structure and records as a binary data packet.
//
// With the change log, records are written in their natural order with
// their status: unchanged 0, inserted 0x04, deleted 0x02 (with the values
// they were loaded with), and a modified record as its original (0x01)
// followed by its new version (0x08, fields equal to the original marked
// "not changed"). Without it every live record is written with status 0.
// Index definitions go to the MDX_INDEXDEFS packet property when there are any.
#pragma once

#include <cstdint>
#include <vector>

#include "mdx00200/dataset_defs.h"
#include "runtime/dataset/record_store.h"
#include "runtime/dataset/schema.h"

namespace mdx::dataset {

// Raises EDatabaseError when the structure does not fit the layout (a field
// name longer than 255 bytes, metadata past 65,535 bytes).
std::vector<uint8_t> WritePacket(const Schema& schema, const std::vector<TIndexDef>& indexDefs,
                                 const RecordStore& records, bool withChangeLog);

}  // namespace mdx::dataset

// The records of an open dataset: their values, their order of addition (the
// natural order) and, for the change log, their original values and status.
//
// Records are numbered by id (their slot); ids stay valid until Reset or
// MergeChangeLog. The natural order lists every id that a packet written
// with the change log would show: live records and deletions kept for the
// log. Removed records without a trace are skipped and compacted away.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/dataset/cell.h"

namespace mdx::dataset {

enum class RecordChange : uint8_t {
  Unchanged,  // as loaded, or added or edited with the log off
  Inserted,   // added with the log on
  Modified,   // edited with the log on; original holds the values before
  Deleted,    // deleted with the log on; values (or original) kept for the log
  Removed,    // gone without a trace
};

struct StoredRecord {
  Row values;
  std::unique_ptr<Row> original;
  RecordChange change = RecordChange::Unchanged;

  bool Live() const { return change != RecordChange::Deleted && change != RecordChange::Removed; }
};

class RecordStore {
 public:
  // Replaces everything with rows, all unchanged, in the given order.
  void Reset(std::vector<Row>&& rows);
  void Clear() { Reset({}); }

  // Adds a record before the natural position `before` (an id) or, with
  // kAtEnd, at the end. Returns its id.
  static constexpr uint32_t kAtEnd = UINT32_MAX;
  uint32_t Add(Row&& values, bool logged, uint32_t before);
  void Update(uint32_t id, Row&& values, bool logged);
  void Remove(uint32_t id, bool logged);

  const StoredRecord& Record(uint32_t id) const { return records_[id]; }
  const Row& Values(uint32_t id) const { return records_[id].values; }
  bool Live(uint32_t id) const { return records_[id].Live(); }
  // Natural order; entries may be deleted records (check Live).
  const std::vector<uint32_t>& Order() const { return order_; }
  size_t LiveCount() const { return live_; }

  int ChangeCount() const;
  void MergeChangeLog();

 private:
  void CompactOrder();

  std::vector<StoredRecord> records_;
  std::vector<uint32_t> order_;
  size_t live_ = 0;
  size_t removedInOrder_ = 0;
};

}  // namespace mdx::dataset

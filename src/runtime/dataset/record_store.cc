#include "runtime/dataset/record_store.h"

#include <algorithm>

namespace mdx::dataset {

void RecordStore::Reset(std::vector<Row>&& rows) {
  records_.clear();
  order_.clear();
  records_.resize(rows.size());
  order_.resize(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    records_[i].values = std::move(rows[i]);
    order_[i] = static_cast<uint32_t>(i);
  }
  live_ = rows.size();
  removedInOrder_ = 0;
}

uint32_t RecordStore::Add(Row&& values, bool logged, uint32_t before) {
  const uint32_t id = static_cast<uint32_t>(records_.size());
  StoredRecord record;
  record.values = std::move(values);
  record.change = logged ? RecordChange::Inserted : RecordChange::Unchanged;
  records_.push_back(std::move(record));
  auto at = order_.end();
  if (before != kAtEnd) at = std::find(order_.begin(), order_.end(), before);
  order_.insert(at, id);
  ++live_;
  return id;
}

void RecordStore::Update(uint32_t id, Row&& values, bool logged) {
  StoredRecord& record = records_[id];
  if (logged && record.change == RecordChange::Unchanged) {
    record.original = std::make_unique<Row>(std::move(record.values));
    record.change = RecordChange::Modified;
  }
  record.values = std::move(values);
}

void RecordStore::Remove(uint32_t id, bool logged) {
  StoredRecord& record = records_[id];
  --live_;
  if (logged && record.change != RecordChange::Inserted) {
    // The log keeps the values the record had when it was loaded.
    if (record.original) {
      record.values = std::move(*record.original);
      record.original.reset();
    }
    record.change = RecordChange::Deleted;
    return;
  }
  record.values = Row();
  record.original.reset();
  record.change = RecordChange::Removed;
  if (++removedInOrder_ > 64 && removedInOrder_ > order_.size() / 2) CompactOrder();
}

void RecordStore::CompactOrder() {
  std::erase_if(order_, [this](uint32_t id) { return records_[id].change == RecordChange::Removed; });
  removedInOrder_ = 0;
}

int RecordStore::ChangeCount() const {
  int count = 0;
  for (const StoredRecord& r : records_)
    if (r.change != RecordChange::Unchanged && r.change != RecordChange::Removed) ++count;
  return count;
}

void RecordStore::MergeChangeLog() {
  std::vector<Row> rows;
  rows.reserve(live_);
  for (uint32_t id : order_)
    if (records_[id].Live()) rows.push_back(std::move(records_[id].values));
  Reset(std::move(rows));
}

}  // namespace mdx::dataset

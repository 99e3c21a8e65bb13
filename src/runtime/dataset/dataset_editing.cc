// Editing a TClientDataSet: the record buffer, Post, Insert, Append, Edit,
// Cancel and Delete.
#include "runtime/dataset/dataset_impl.h"

#include <algorithm>

#include "mdx00200/exceptions.h"

namespace mdx {

using namespace dataset;

void TClientDataSet::Impl::CheckBrowseMode() {
  if (!Editing()) return;
  if (modified)
    ds.Post();
  else
    ds.Cancel();
}

void TClientDataSet::Impl::Post() {
  CheckActive();
  if (!Editing()) ds.Fail("Dataset not in edit or insert mode");
  for (size_t f = 0; f < schema.fields.size(); ++f)
    if (schema.fields[f].Required() && buffer[f].null)
      ds.Fail("Field '" + schema.fields[f].Name + "' must have a value");
  if (state == dsInsert) {
    const bool natural = order.empty();
    const uint32_t before = appending || !natural ? RecordStore::kAtEnd : insertBefore;
    const size_t naturalPos = appending || view.empty() ? view.size() : cursor;
    const uint32_t id = store.Add(std::move(buffer), logChanges, before);
    if (Shows(Values(id)))
      ShowAt(natural ? naturalPos : SortedPosition(Values(id)), id);
    else
      ClampCursor();
  } else {
    const bool keyChanged = !order.empty() && CompareRows(Values(editId), buffer, order) != 0;
    store.Update(editId, std::move(buffer), logChanges);
    if (!Shows(Values(editId))) {
      view.erase(view.begin() + static_cast<std::ptrdiff_t>(cursor));
      ClampCursor();
    } else if (keyChanged) {
      view.erase(view.begin() + static_cast<std::ptrdiff_t>(cursor));
      ShowAt(SortedPosition(Values(editId)), editId);
    }
  }
  state = dsBrowse;
  modified = false;
  buffer.clear();
  ++version;
}

void TClientDataSet::Impl::StartInsert(bool append) {
  CheckActive();
  CheckBrowseMode();
  buffer.assign(schema.fields.size(), Cell());
  appending = append;
  insertBefore = view.empty() ? RecordStore::kAtEnd : view[cursor];
  state = dsInsert;
  modified = false;
}

const Cell* TClientDataSet::ReadCell(int field) const {
  impl_->CheckActive();
  if (impl_->Editing()) return &impl_->buffer[static_cast<size_t>(field)];
  if (impl_->view.empty()) return nullptr;
  return &impl_->Values(impl_->view[impl_->cursor])[static_cast<size_t>(field)];
}

Cell& TClientDataSet::WriteCell(int field) {
  impl_->CheckActive();
  if (!impl_->Editing()) Fail("Dataset not in edit or insert mode");
  impl_->modified = true;
  return impl_->buffer[static_cast<size_t>(field)];
}

void TClientDataSet::Insert() { impl_->StartInsert(false); }

void TClientDataSet::Append() { impl_->StartInsert(true); }

void TClientDataSet::Edit() {
  Impl& d = *impl_;
  d.CheckActive();
  if (d.Editing()) return;
  if (d.view.empty()) {
    Insert();
    return;
  }
  d.editId = d.view[d.cursor];
  d.buffer = d.Values(d.editId);
  d.state = dsEdit;
  d.modified = false;
}

void TClientDataSet::Post() { impl_->Post(); }

void TClientDataSet::Cancel() {
  Impl& d = *impl_;
  if (!d.Editing()) return;
  d.state = dsBrowse;
  d.buffer.clear();
  d.modified = false;
}

void TClientDataSet::Delete() {
  Impl& d = *impl_;
  d.CheckActive();
  if (d.state == dsInsert) {
    Cancel();
    return;
  }
  if (d.view.empty()) Fail("Cannot perform this operation on an empty dataset");
  Cancel();
  const uint32_t id = d.view[d.cursor];
  d.store.Remove(id, d.logChanges);
  d.view.erase(d.view.begin() + static_cast<std::ptrdiff_t>(d.cursor));
  d.ClampCursor();
  ++d.version;
}

bool TClientDataSet::Modified() const { return impl_->modified; }

}  // namespace mdx

// TClientDataSet: opening, data packets and files, fields, navigation.
#include "runtime/dataset/dataset_impl.h"

#include <algorithm>

#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"
#include "runtime/dataset/packet_reader.h"
#include "runtime/dataset/packet_writer.h"

namespace mdx {

using namespace dataset;

void TClientDataSet::Impl::SyncFields(const std::vector<TFieldDef>& defs) const {
  auto& fields = ds.fields_;
  bool same = fields.size() == defs.size();
  for (size_t i = 0; same && i < fields.size(); ++i) {
    const TFieldDef& def = defs[i];
    same = fields[i]->def_.Name == def.Name && fields[i]->def_.DataType == def.DataType &&
           fields[i]->def_.Size == def.Size;
  }
  if (same) {
    for (size_t i = 0; i < fields.size(); ++i) fields[i]->def_ = defs[i];
    return;
  }
  std::vector<std::unique_ptr<TField>> made;
  for (size_t i = 0; i < defs.size(); ++i) {
    made.push_back(std::unique_ptr<TField>(new TField(&ds, static_cast<int>(i), defs[i])));
    for (const auto& old : fields) {
      if (SameText(old->FieldName(), defs[i].Name) && old->DataType() == defs[i].DataType) {
        made.back()->displayFormat_ = old->displayFormat_;
        made.back()->displayWidth_ = old->displayWidth_;
      }
    }
  }
  fields = std::move(made);
}

// Opens on the given data. Everything that can fail is checked before
// anything changes, so a failure leaves the dataset as it was.
void TClientDataSet::Impl::OpenWith(Schema&& newSchema, std::vector<Row>&& rows,
                                   const std::vector<TIndexDef>* storedIndexes) {
  TIndexDefs indexDefs;
  if (storedIndexes) {
    for (const TIndexDef& def : *storedIndexes) {
      indexDefs.Add(def.Name, def.Fields, def.Options);
      KeyOf(newSchema, def.Fields, false);
    }
  } else {
    indexDefs = ds.indexDefs_;
  }
  OrderKey newOrder = ResolveOrder(newSchema, indexDefs, indexName, indexFieldNames);
  std::unique_ptr<FilterProgram> newFilter = CompileFilter(newSchema, filterText, filtered, filterOptions);
  TFieldDefs fieldDefs;
  for (const TFieldDef& def : newSchema.fields)
    fieldDefs.Add(def.Name, def.DataType, def.Size).Attributes = def.Attributes;

  ds.fieldDefs_ = std::move(fieldDefs);
  if (storedIndexes) ds.indexDefs_ = std::move(indexDefs);
  schema = std::move(newSchema);
  store.Reset(std::move(rows));
  order = std::move(newOrder);
  filter = std::move(newFilter);
  state = dsBrowse;
  logChanges = true;
  modified = false;
  buffer.clear();
  SyncFields(schema.fields);
  RebuildView(false);
  if (afterOpen) afterOpen(ds);
}


TClientDataSet::TClientDataSet(AnsiString name) : name_(std::move(name)), impl_(std::make_unique<Impl>(*this)) {}

TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::Fail(const AnsiString& message) const {
  throw EDatabaseError(name_.empty() ? message : name_ + ": " + message);
}

// --- fields -------------------------------------------------------------

void TClientDataSet::SyncClosedFields() const {
  if (!Active()) impl_->SyncFields(fieldDefs_.Items());
}

int TClientDataSet::FieldCount() const {
  SyncClosedFields();
  return static_cast<int>(fields_.size());
}

TField& TClientDataSet::Fields(int index) const {
  SyncClosedFields();
  if (index < 0 || index >= FieldCount()) Fail("Field index out of range: " + std::to_string(index));
  return *fields_[static_cast<size_t>(index)];
}

TField* TClientDataSet::FindField(const AnsiString& name) const {
  SyncClosedFields();
  for (const auto& field : fields_)
    if (SameText(field->FieldName(), name)) return field.get();
  return nullptr;
}

TField& TClientDataSet::FieldByName(const AnsiString& name) const {
  TField* field = FindField(name);
  if (!field) Fail("Field '" + name + "' not found");
  return *field;
}

// --- opening and data -----------------------------------------------------

void TClientDataSet::CreateDataSet() {
  if (Active()) Fail("Cannot perform this operation on an open dataset");
  if (fieldDefs_.Count() == 0) Fail("Cannot create a dataset without field definitions");
  Schema schema = Schema::FromFieldDefs(fieldDefs_.Items());
  for (const TIndexDef& def : indexDefs_.Items()) impl_->KeyOf(schema, def.Fields, false);
  impl_->OpenWith(std::move(schema), {}, nullptr);
}

void TClientDataSet::Open() {
  if (!Active()) Fail("Missing data provider or data packet");
}

void TClientDataSet::Close() {
  Impl& d = *impl_;
  d.state = dsInactive;
  d.store.Clear();
  d.view.clear();
  d.buffer.clear();
  d.filter.reset();
  d.order.clear();
  d.modified = false;
  d.cursor = 0;
  d.bof = d.eof = true;
  ++d.version;
}

bool TClientDataSet::Active() const { return impl_->state != dsInactive; }

void TClientDataSet::SetActive(bool active) {
  if (active)
    Open();
  else
    Close();
}

TDataSetState TClientDataSet::State() const { return impl_->state; }

Variant TClientDataSet::Data() {
  if (!Active()) return Variant::Null();
  impl_->CheckBrowseMode();
  // Only index definitions that fit this structure go into the packet.
  std::vector<TIndexDef> stored;
  for (const TIndexDef& def : indexDefs_.Items()) {
    bool fits = true;
    for (const AnsiString& name : SplitFieldNames(def.Fields)) fits = fits && impl_->schema.IndexOf(name) >= 0;
    if (fits) stored.push_back(def);
  }
  try {
    return Variant::Bytes(WritePacket(impl_->schema, stored, impl_->store, impl_->logChanges));
  } catch (const EDatabaseError& e) {
    Fail(e.Message());
  }
}

void TClientDataSet::SetData(const Variant& packet) {
  if (packet.IsNull() || packet.IsEmpty()) {
    Close();
    return;
  }
  if (!packet.IsByteArray())
    Fail(std::string("A data packet is a byte array, not a variant of type ") + packet.TypeName());
  const std::vector<uint8_t>& bytes = packet.ByteData();
  Packet read;
  try {
    read = ReadPacket(bytes.data(), bytes.size());
  } catch (const EDatabaseError& e) {
    Fail(e.Message());
  }
  impl_->OpenWith(std::move(read.schema), std::move(read.rows), read.hasIndexDefs ? &read.indexDefs : nullptr);
}

void TClientDataSet::LoadFromFile(const AnsiString& fileName) {
  const std::string bytes = platform::ReadFile(fileName);
  Packet read;
  try {
    read = ReadPacket(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  } catch (const EDatabaseError& e) {
    Fail("Cannot load file \"" + fileName + "\": " + e.Message());
  }
  impl_->OpenWith(std::move(read.schema), std::move(read.rows), read.hasIndexDefs ? &read.indexDefs : nullptr);
}

void TClientDataSet::SaveToFile(const AnsiString& fileName) {
  impl_->CheckActive();
  const Variant packet = Data();
  const std::vector<uint8_t>& bytes = packet.ByteData();
  platform::WriteFileAtomically(fileName, std::string(bytes.begin(), bytes.end()));
}

void TClientDataSet::EmptyDataSet() {
  impl_->CheckActive();
  Cancel();
  impl_->store.Clear();
  impl_->RebuildView(false);
}

bool TClientDataSet::LogChanges() const { return impl_->logChanges; }

void TClientDataSet::SetLogChanges(bool value) {
  impl_->CheckActive();
  impl_->logChanges = value;
}

int TClientDataSet::ChangeCount() const {
  impl_->CheckActive();
  return impl_->store.ChangeCount();
}

void TClientDataSet::MergeChangeLog() {
  Impl& d = *impl_;
  d.CheckActive();
  d.CheckBrowseMode();
  const size_t keep = d.cursor;
  const bool bof = d.bof;
  d.store.MergeChangeLog();  // renumbers the records; the view order stays the same
  d.RebuildView(false);
  d.cursor = keep;
  d.ClampCursor();
  d.bof = d.view.empty() || bof;
}

void TClientDataSet::SetAfterOpen(std::function<void(TClientDataSet&)> handler) {
  impl_->afterOpen = std::move(handler);
}

// --- navigation -------------------------------------------------------------

void TClientDataSet::First() {
  Impl& d = *impl_;
  d.CheckActive();
  d.CheckBrowseMode();
  d.cursor = 0;
  d.bof = true;
  d.eof = d.view.empty();
}

void TClientDataSet::Last() {
  Impl& d = *impl_;
  d.CheckActive();
  d.CheckBrowseMode();
  d.cursor = d.view.empty() ? 0 : d.view.size() - 1;
  d.eof = true;
  d.bof = d.view.empty();
}

void TClientDataSet::Next() { MoveBy(1); }

void TClientDataSet::Prior() { MoveBy(-1); }

void TClientDataSet::MoveBy(int distance) {
  Impl& d = *impl_;
  d.CheckActive();
  d.CheckBrowseMode();
  if (d.view.empty()) {
    d.bof = d.eof = true;
    return;
  }
  if (distance == 0) return;
  const long long target = static_cast<long long>(d.cursor) + distance;
  const long long last = static_cast<long long>(d.view.size()) - 1;
  d.bof = d.eof = false;
  if (target > last) {
    d.cursor = static_cast<size_t>(last);
    d.eof = true;
  } else if (target < 0) {
    d.cursor = 0;
    d.bof = true;
  } else {
    d.cursor = static_cast<size_t>(target);
  }
}

bool TClientDataSet::Eof() const { return !Active() || impl_->eof; }
bool TClientDataSet::Bof() const { return !Active() || impl_->bof; }
bool TClientDataSet::IsEmpty() const { return !Active() || impl_->view.empty(); }

int TClientDataSet::RecordCount() const {
  impl_->CheckActive();
  return static_cast<int>(impl_->view.size());
}

int TClientDataSet::RecNo() const {
  impl_->CheckActive();
  if (impl_->state == dsInsert || impl_->view.empty()) return -1;
  return static_cast<int>(impl_->cursor) + 1;
}

void TClientDataSet::SetRecNo(int recNo) {
  Impl& d = *impl_;
  d.CheckActive();
  d.CheckBrowseMode();
  if (d.view.empty()) return;
  const long long last = static_cast<long long>(d.view.size());
  d.cursor = static_cast<size_t>(std::clamp<long long>(recNo, 1, last) - 1);
  d.bof = d.eof = false;
}

}  // namespace mdx

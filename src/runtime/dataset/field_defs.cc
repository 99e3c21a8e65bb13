// TFieldDefs, TIndexDefs and the field type names.
#include "mdx00200/dataset_defs.h"
#include "mdx00200/exceptions.h"

namespace mdx {

const char* FieldTypeName(TFieldType type) {
  switch (type) {
    case ftUnknown:
      return "Unknown";
    case ftString:
      return "String";
    case ftSmallint:
      return "Smallint";
    case ftInteger:
      return "Integer";
    case ftWord:
      return "Word";
    case ftBoolean:
      return "Boolean";
    case ftFloat:
      return "Float";
    case ftCurrency:
      return "Currency";
    case ftDate:
      return "Date";
    case ftTime:
      return "Time";
    case ftDateTime:
      return "DateTime";
    case ftBytes:
      return "Bytes";
    case ftBlob:
      return "Blob";
    case ftMemo:
      return "Memo";
    case ftGraphic:
      return "Graphic";
    case ftTypedBinary:
      return "TypedBinary";
    case ftWideString:
      return "WideString";
    case ftLargeint:
      return "Largeint";
  }
  return "Unknown";
}

namespace {

void CheckSize(const AnsiString& name, TFieldType type, int size) {
  int low = 0, high = 0;
  if (type == ftString || type == ftBytes) {
    low = 1;
    high = 65535;
  } else if (type == ftWideString) {
    low = 1;
    high = 32767;
  }
  if (size < low || size > high) {
    const std::string allowed = high ? std::to_string(low) + " to " + std::to_string(high) : std::string("0");
    throw EDatabaseError("Invalid field size " + std::to_string(size) + " for field '" + name + "' (" +
                         FieldTypeName(type) + ": " + allowed + ")");
  }
}

}  // namespace

TFieldDef& TFieldDefs::Add(const AnsiString& name, TFieldType type, int size, bool required) {
  if (name.empty()) throw EDatabaseError("A field needs a name");
  if (IndexOf(name) >= 0) throw EDatabaseError("Duplicate field name '" + name + "'");
  if (type == ftUnknown) throw EDatabaseError("Field '" + name + "' has no type");
  CheckSize(name, type, size);
  TFieldDef def;
  def.Name = name;
  def.DataType = type;
  def.Size = size;
  if (required) def.Attributes.Include(faRequired);
  items_.push_back(def);
  return items_.back();
}

const TFieldDef& TFieldDefs::operator[](int index) const {
  if (index < 0 || index >= Count())
    throw EDatabaseError("Field definition index out of range: " + std::to_string(index));
  return items_[static_cast<size_t>(index)];
}

TFieldDef& TFieldDefs::operator[](int index) {
  return const_cast<TFieldDef&>(static_cast<const TFieldDefs&>(*this)[index]);
}

int TFieldDefs::IndexOf(const AnsiString& name) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (SameText(items_[i].Name, name)) return static_cast<int>(i);
  return -1;
}

const TFieldDef* TFieldDefs::Find(const AnsiString& name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : &items_[static_cast<size_t>(i)];
}

TIndexDef& TIndexDefs::Add(const AnsiString& name, const AnsiString& fields, TIndexOptions options) {
  if (name.empty()) throw EDatabaseError("An index needs a name");
  if (IndexOf(name) >= 0) throw EDatabaseError("Duplicate index name '" + name + "'");
  if (Trim(fields).empty()) throw EDatabaseError("Index '" + name + "' has no fields");
  for (TIndexOption unsupported : {ixPrimary, ixUnique, ixDescending})
    if (options.Contains(unsupported))
      throw EDatabaseError("Index '" + name + "': only the case-insensitive option is supported");
  TIndexDef def;
  def.Name = name;
  def.Fields = fields;
  def.Options = options;
  items_.push_back(def);
  return items_.back();
}

const TIndexDef& TIndexDefs::operator[](int index) const {
  if (index < 0 || index >= Count())
    throw EDatabaseError("Index definition index out of range: " + std::to_string(index));
  return items_[static_cast<size_t>(index)];
}

int TIndexDefs::IndexOf(const AnsiString& name) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (SameText(items_[i].Name, name)) return static_cast<int>(i);
  return -1;
}

const TIndexDef* TIndexDefs::Find(const AnsiString& name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : &items_[static_cast<size_t>(i)];
}

}  // namespace mdx

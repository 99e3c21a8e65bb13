// Definitions of a client dataset's structure: field types, field
// definitions, index definitions and the option sets of the platform
// (TLocateOptions, TFilterOptions, TIndexOptions).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx {

// A small "set of enum" as the platform has it: TLocateOptions{loCaseInsensitive}.
template <typename E>
class TOptionSet {
 public:
  constexpr TOptionSet() = default;
  constexpr TOptionSet(std::initializer_list<E> items) {
    for (E item : items) bits_ |= Bit(item);
  }
  constexpr bool Contains(E item) const { return (bits_ & Bit(item)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  TOptionSet& Include(E item) {
    bits_ |= Bit(item);
    return *this;
  }
  TOptionSet& Exclude(E item) {
    bits_ &= ~Bit(item);
    return *this;
  }
  constexpr bool operator==(const TOptionSet& other) const = default;

 private:
  static constexpr uint32_t Bit(E item) { return uint32_t{1} << static_cast<unsigned>(item); }
  uint32_t bits_ = 0;
};

// Field kinds. How each is stored in a data packet is in formats/cds-binary.md:
// ftString text of Size single-byte characters, ftWideString text of Size
// UTF-16 units, ftSmallint/ftInteger/ftLargeint signed 16/32/64-bit, ftWord
// unsigned 16-bit, ftFloat and ftCurrency doubles, ftDate/ftTime/ftDateTime,
// ftBytes Size fixed bytes, ftMemo long text, ftBlob/ftGraphic/ftTypedBinary
// long binary values.
enum TFieldType {
  ftUnknown,
  ftString,
  ftSmallint,
  ftInteger,
  ftWord,
  ftBoolean,
  ftFloat,
  ftCurrency,
  ftDate,
  ftTime,
  ftDateTime,
  ftBytes,
  ftBlob,
  ftMemo,
  ftGraphic,
  ftTypedBinary,
  ftWideString,
  ftLargeint,
};

// The platform's name of a field type ("String", "Float", ...), for messages.
const char* FieldTypeName(TFieldType type);

// Field attributes, the bits of a data packet's field descriptor.
enum TFieldAttribute { faHiddenCol, faReadonly, faRequired, faLink };
using TFieldAttributes = TOptionSet<TFieldAttribute>;

class TFieldDef {
 public:
  AnsiString Name;
  TFieldType DataType = ftUnknown;
  int Size = 0;  // width of text and byte fields, 0 for the others
  TFieldAttributes Attributes;

  bool Required() const { return Attributes.Contains(faRequired); }
};

// The ordered field definitions of a dataset. CreateDataSet builds the
// dataset from them; loading a data packet replaces them with the packet's.
class TFieldDefs {
 public:
  // Adds a definition. Raises EDatabaseError for an empty or duplicate name
  // (names compare without regard to case), ftUnknown, or a size that does
  // not suit the type: ftString 1..65535, ftWideString 1..32767, ftBytes
  // 1..65535, 0 (ignored) for every other type.
  TFieldDef& Add(const AnsiString& name, TFieldType type, int size = 0, bool required = false);
  void Clear() { items_.clear(); }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raise EDatabaseError when index is out of range.
  const TFieldDef& operator[](int index) const;
  TFieldDef& operator[](int index);
  // -1 / nullptr when no definition has that name (case-insensitive).
  int IndexOf(const AnsiString& name) const;
  const TFieldDef* Find(const AnsiString& name) const;

  const std::vector<TFieldDef>& Items() const { return items_; }

 private:
  std::vector<TFieldDef> items_;
};

// Index options. Only ixCaseInsensitive is supported; the others are named
// so that a definition asking for them is refused with a clear message.
enum TIndexOption { ixPrimary, ixUnique, ixDescending, ixCaseInsensitive };
using TIndexOptions = TOptionSet<TIndexOption>;

class TIndexDef {
 public:
  AnsiString Name;
  AnsiString Fields;  // field names separated by ';'
  TIndexOptions Options;
};

// Named indexes of a dataset. A dataset orders its records by the one named
// in IndexName. Definitions are stored in the dataset's data packets.
class TIndexDefs {
 public:
  // Adds a definition. Raises EDatabaseError for an empty or duplicate name
  // (case-insensitive), an empty field list, or an unsupported option. The
  // fields are checked against the dataset when the index is used.
  TIndexDef& Add(const AnsiString& name, const AnsiString& fields, TIndexOptions options = {});
  void Clear() { items_.clear(); }
  int Count() const { return static_cast<int>(items_.size()); }
  const TIndexDef& operator[](int index) const;  // EDatabaseError when out of range
  int IndexOf(const AnsiString& name) const;     // -1 when absent (case-insensitive)
  const TIndexDef* Find(const AnsiString& name) const;

  const std::vector<TIndexDef>& Items() const { return items_; }

 private:
  std::vector<TIndexDef> items_;
};

enum TLocateOption { loCaseInsensitive, loPartialKey };
using TLocateOptions = TOptionSet<TLocateOption>;

enum TFilterOption { foCaseInsensitive, foNoPartialCompare };
using TFilterOptions = TOptionSet<TFilterOption>;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

}  // namespace mdx

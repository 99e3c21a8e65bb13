// Variant (and OleVariant, the same type): the platform's tagged value.
// Kinds: empty, null, bool, 32-bit integer, double, date-time, text, array of
// variants (with a low bound) and byte array (a data packet).
//
// Conversions follow the platform: empty reads as "" or 0; null raises
// EVariantError when read as text, number, bool or date; bool reads as
// "True"/"False"; numbers as text use the decimal separator of the settings;
// a text read as a number must convert (StrToFloat) or EVariantError follows.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"

namespace mdx {

enum class VarType { Empty, Null, Boolean, Integer, Double, Date, String, Array, ByteArray };

class Variant {
 public:
  Variant() = default;  // empty
  Variant(bool value);
  Variant(int value);
  Variant(long value);
  Variant(long long value);
  Variant(unsigned value);
  Variant(unsigned long value);
  Variant(unsigned long long value);
  Variant(double value);
  Variant(const char* text);
  Variant(const AnsiString& text);
  Variant(AnsiString&& text);
  Variant(const WideString& text);  // stored as 1252 text
  Variant(const wchar_t* text);
  // Any other pointer would silently become a bool.
  template <typename T>
  Variant(const T*) = delete;
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  static Variant Null();
  static Variant FromDateTime(TDateTime value);
  // An array of count empty cells with the given low bound.
  static Variant CreateArray(int lowBound, int highBound);
  static Variant ArrayOf(std::initializer_list<Variant> items);
  static Variant ArrayOf(const std::vector<Variant>& items);
  static Variant Bytes(std::vector<uint8_t> bytes);

  VarType Type() const { return type_; }
  bool IsEmpty() const { return type_ == VarType::Empty; }
  bool IsNull() const { return type_ == VarType::Null; }
  bool IsArray() const { return type_ == VarType::Array; }
  bool IsByteArray() const { return type_ == VarType::ByteArray; }
  bool IsText() const { return type_ == VarType::String; }
  bool IsNumeric() const;  // integer, double or bool
  // The platform's type name, for error messages ("String", "Null", ...).
  const char* TypeName() const;

  AnsiString AsString() const;
  WideString AsWideString() const;
  double AsDouble() const;
  int AsInteger() const;  // rounds like the platform (half to even)
  bool AsBoolean() const;
  TDateTime AsDateTime() const;

  // Arrays. Indexes out of bounds, or on a variant that is no array, raise
  // EVariantError.
  int LowBound() const;
  int HighBound() const;
  int Count() const;  // element count (0 for a non-array)
  const Variant& operator[](int index) const;
  Variant& operator[](int index);
  // Resizes keeping the low bound (the platform's VarArrayRedim).
  void Redim(int highBound);

  // Byte arrays.
  const std::vector<uint8_t>& ByteData() const;

  bool operator==(const Variant& other) const;  // same kind and value
  bool operator!=(const Variant& other) const { return !(*this == other); }

 private:
  struct ArrayData {
    int low = 0;
    std::vector<Variant> items;
  };
  void Release();
  void CopyFrom(const Variant& other);
  [[noreturn]] void CastError(const char* target) const;

  VarType type_ = VarType::Empty;
  union {
    bool b_;
    int32_t i_;
    double d_ = 0.0;
  };
  AnsiString s_;
  std::shared_ptr<ArrayData> array_;            // copy on write
  std::shared_ptr<const std::vector<uint8_t>> bytes_;  // immutable, shared
};

using OleVariant = Variant;

// Convenience wrappers with the platform's names.
inline Variant VarArrayOf(std::initializer_list<Variant> items) { return Variant::ArrayOf(items); }
inline Variant VarArrayCreate(int lowBound, int highBound) {
  return Variant::CreateArray(lowBound, highBound);
}
inline int VarArrayLowBound(const Variant& v) { return v.LowBound(); }
inline int VarArrayHighBound(const Variant& v) { return v.HighBound(); }
inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
inline bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
inline bool VarIsArray(const Variant& v) { return v.IsArray() || v.IsByteArray(); }
// Text of a variant where null gives "" (the platform's VarToStr).
AnsiString VarToStr(const Variant& v);

}  // namespace mdx

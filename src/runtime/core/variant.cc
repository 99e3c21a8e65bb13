#include "mdx00200/variant.h"

#include <cmath>

#include "mdx00200/exceptions.h"
#include "mdx00200/number_format.h"

namespace mdx {

Variant::Variant(bool value) : type_(VarType::Boolean) { b_ = value; }
Variant::Variant(int value) : type_(VarType::Integer) { i_ = value; }
Variant::Variant(long value) : Variant(static_cast<long long>(value)) {}
Variant::Variant(long long value) {
  if (value >= INT32_MIN && value <= INT32_MAX) {
    type_ = VarType::Integer;
    i_ = static_cast<int32_t>(value);
  } else {
    type_ = VarType::Double;
    d_ = static_cast<double>(value);
  }
}
Variant::Variant(unsigned value) : Variant(static_cast<long long>(value)) {}
Variant::Variant(unsigned long value) : Variant(static_cast<unsigned long long>(value)) {}
Variant::Variant(unsigned long long value) {
  if (value <= static_cast<unsigned long long>(INT32_MAX)) {
    type_ = VarType::Integer;
    i_ = static_cast<int32_t>(value);
  } else {
    type_ = VarType::Double;
    d_ = static_cast<double>(value);
  }
}
Variant::Variant(double value) : type_(VarType::Double) { d_ = value; }
Variant::Variant(const char* text) : type_(VarType::String), s_(text ? text : "") {}
Variant::Variant(const AnsiString& text) : type_(VarType::String), s_(text) {}
Variant::Variant(AnsiString&& text) : type_(VarType::String), s_(std::move(text)) {}
Variant::Variant(const WideString& text) : type_(VarType::String), s_(WideToAnsi(text)) {}
Variant::Variant(const wchar_t* text)
    : type_(VarType::String), s_(WideToAnsi(text ? WideString(text) : WideString())) {}

Variant::Variant(const Variant& other) { CopyFrom(other); }

Variant::Variant(Variant&& other) noexcept
    : type_(other.type_),
      s_(std::move(other.s_)),
      array_(std::move(other.array_)),
      bytes_(std::move(other.bytes_)) {
  d_ = other.d_;
  if (type_ == VarType::Boolean) b_ = other.b_;
  if (type_ == VarType::Integer) i_ = other.i_;
  other.type_ = VarType::Empty;
}

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    Variant copy(other);
    *this = std::move(copy);
  }
  return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    type_ = other.type_;
    switch (type_) {
      case VarType::Boolean: b_ = other.b_; break;
      case VarType::Integer: i_ = other.i_; break;
      default: d_ = other.d_; break;
    }
    s_ = std::move(other.s_);
    array_ = std::move(other.array_);
    bytes_ = std::move(other.bytes_);
    other.type_ = VarType::Empty;
  }
  return *this;
}

Variant::~Variant() = default;

void Variant::CopyFrom(const Variant& other) {
  type_ = other.type_;
  switch (type_) {
    case VarType::Boolean: b_ = other.b_; break;
    case VarType::Integer: i_ = other.i_; break;
    default: d_ = other.d_; break;
  }
  s_ = other.s_;
  array_ = other.array_;
  bytes_ = other.bytes_;
}

Variant Variant::Null() {
  Variant v;
  v.type_ = VarType::Null;
  return v;
}

Variant Variant::FromDateTime(TDateTime value) {
  Variant v(value);
  v.type_ = VarType::Date;
  return v;
}

Variant Variant::CreateArray(int lowBound, int highBound) {
  if (highBound < lowBound - 1) throw EVariantError("Invalid variant array bounds");
  Variant v;
  v.type_ = VarType::Array;
  v.array_ = std::make_shared<ArrayData>();
  v.array_->low = lowBound;
  v.array_->items.resize(static_cast<size_t>(highBound - lowBound + 1));
  return v;
}

Variant Variant::ArrayOf(std::initializer_list<Variant> items) {
  return ArrayOf(std::vector<Variant>(items));
}

Variant Variant::ArrayOf(const std::vector<Variant>& items) {
  Variant v;
  v.type_ = VarType::Array;
  v.array_ = std::make_shared<ArrayData>();
  v.array_->items = items;
  return v;
}

Variant Variant::Bytes(std::vector<uint8_t> bytes) {
  Variant v;
  v.type_ = VarType::ByteArray;
  v.bytes_ = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
  return v;
}

bool Variant::IsNumeric() const {
  return type_ == VarType::Integer || type_ == VarType::Double || type_ == VarType::Boolean;
}

const char* Variant::TypeName() const {
  switch (type_) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Boolean: return "Boolean";
    case VarType::Integer: return "Integer";
    case VarType::Double: return "Double";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    case VarType::Array: return "Array Variant";
    case VarType::ByteArray: return "Array Byte";
  }
  return "Unknown";
}

void Variant::CastError(const char* target) const {
  throw EVariantError(std::string("Could not convert variant of type (") + TypeName() +
                      ") into type (" + target + ")");
}

AnsiString Variant::AsString() const {
  switch (type_) {
    case VarType::Empty: return AnsiString();
    case VarType::Boolean: return b_ ? "True" : "False";
    case VarType::Integer: return IntToStr(i_);
    case VarType::Double: return FloatToStr(d_);
    case VarType::Date: return DateTimeToStr(d_);
    case VarType::String: return s_;
    default: CastError("String");
  }
}

WideString Variant::AsWideString() const { return AnsiToWide(AsString()); }

double Variant::AsDouble() const {
  switch (type_) {
    case VarType::Empty: return 0.0;
    case VarType::Boolean: return b_ ? -1.0 : 0.0;
    case VarType::Integer: return i_;
    case VarType::Double:
    case VarType::Date: return d_;
    case VarType::String: {
      double result;
      if (TryStrToFloat(s_, result)) return result;
      CastError("Double");
    }
    default: CastError("Double");
  }
}

int Variant::AsInteger() const {
  switch (type_) {
    case VarType::Empty: return 0;
    case VarType::Boolean: return b_ ? -1 : 0;
    case VarType::Integer: return i_;
    default: {
      double d = AsDouble();
      if (!std::isfinite(d) || d > 2147483647.5 || d < -2147483648.5) CastError("Integer");
      return static_cast<int>(std::nearbyint(d));  // banker's rounding, as the platform
    }
  }
}

bool Variant::AsBoolean() const {
  switch (type_) {
    case VarType::Empty: return false;
    case VarType::Boolean: return b_;
    case VarType::Integer: return i_ != 0;
    case VarType::Double:
    case VarType::Date: return d_ != 0.0;
    case VarType::String: {
      AnsiString t = Trim(s_);
      if (SameText(t, "True")) return true;
      if (SameText(t, "False")) return false;
      double result;
      if (TryStrToFloat(t, result)) return result != 0.0;
      CastError("Boolean");
    }
    default: CastError("Boolean");
  }
}

TDateTime Variant::AsDateTime() const {
  switch (type_) {
    case VarType::Empty: return 0.0;
    case VarType::Integer: return i_;
    case VarType::Double:
    case VarType::Date: return d_;
    case VarType::String: {
      TDateTime result;
      if (TryStrToDateTime(s_, result)) return result;
      CastError("Date");
    }
    default: CastError("Date");
  }
}

int Variant::LowBound() const {
  if (type_ == VarType::ByteArray) return 0;
  if (type_ != VarType::Array) throw EVariantError("Variant is not an array");
  return array_->low;
}

int Variant::HighBound() const {
  if (type_ == VarType::ByteArray) return static_cast<int>(bytes_->size()) - 1;
  if (type_ != VarType::Array) throw EVariantError("Variant is not an array");
  return array_->low + static_cast<int>(array_->items.size()) - 1;
}

int Variant::Count() const {
  if (type_ == VarType::Array) return static_cast<int>(array_->items.size());
  if (type_ == VarType::ByteArray) return static_cast<int>(bytes_->size());
  return 0;
}

const Variant& Variant::operator[](int index) const {
  if (type_ != VarType::Array) throw EVariantError("Variant is not an array");
  long long offset = static_cast<long long>(index) - array_->low;
  if (offset < 0 || offset >= static_cast<long long>(array_->items.size())) {
    throw EVariantError("Variant array index " + IntToStr(index) + " out of bounds");
  }
  return array_->items[static_cast<size_t>(offset)];
}

Variant& Variant::operator[](int index) {
  if (type_ != VarType::Array) throw EVariantError("Variant is not an array");
  long long offset = static_cast<long long>(index) - array_->low;
  if (offset < 0 || offset >= static_cast<long long>(array_->items.size())) {
    throw EVariantError("Variant array index " + IntToStr(index) + " out of bounds");
  }
  if (array_.use_count() > 1) array_ = std::make_shared<ArrayData>(*array_);  // copy on write
  return array_->items[static_cast<size_t>(offset)];
}

void Variant::Redim(int highBound) {
  if (type_ != VarType::Array) throw EVariantError("Variant is not an array");
  if (highBound < array_->low - 1) throw EVariantError("Invalid variant array bounds");
  if (array_.use_count() > 1) array_ = std::make_shared<ArrayData>(*array_);
  array_->items.resize(static_cast<size_t>(highBound - array_->low + 1));
}

const std::vector<uint8_t>& Variant::ByteData() const {
  if (type_ != VarType::ByteArray) CastError("Array Byte");
  return *bytes_;
}

bool Variant::operator==(const Variant& other) const {
  if (type_ != other.type_) return false;
  switch (type_) {
    case VarType::Empty:
    case VarType::Null: return true;
    case VarType::Boolean: return b_ == other.b_;
    case VarType::Integer: return i_ == other.i_;
    case VarType::Double:
    case VarType::Date: return d_ == other.d_;
    case VarType::String: return s_ == other.s_;
    case VarType::Array:
      return array_->low == other.array_->low && array_->items == other.array_->items;
    case VarType::ByteArray: return *bytes_ == *other.bytes_;
  }
  return false;
}

AnsiString VarToStr(const Variant& v) { return v.IsNull() ? AnsiString() : v.AsString(); }

}  // namespace mdx

#include "runtime/dataset/value_convert.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "mdx00200/exceptions.h"
#include "mdx00200/number_format.h"
#include "runtime/dataset/timestamp.h"

namespace mdx::dataset {

namespace {

std::string Quoted(const std::string& name) { return "'" + name + "'"; }

std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

// The allowed range of an integer field.
void IntegerRange(TFieldType type, double& low, double& high) {
  switch (type) {
    case ftSmallint:
      low = -32768;
      high = 32767;
      break;
    case ftWord:
      low = 0;
      high = 65535;
      break;
    case ftInteger:
      low = -2147483648.0;
      high = 2147483647.0;
      break;
    default:
      low = -9223372036854775808.0;
      high = 9223372036854774784.0;  // the largest double below 2^63
      break;
  }
}

void StoreInteger(Cell& cell, const TFieldDef& def, double value) {
  double low, high;
  IntegerRange(def.DataType, low, high);
  if (!(value >= low && value <= high))
    throw EDatabaseError(NumberText(value) + " is not a valid value for field " + Quoted(def.Name) +
                         ". The allowed range is " + NumberText(low) + " to " + NumberText(high));
  cell.Clear();
  cell.integer = static_cast<int64_t>(value);
  cell.null = false;
}

// A whole number into an integer cell, checked against the field's range
// without passing through a double, so a Largeint keeps all 64 bits.
void StoreInteger(Cell& cell, const TFieldDef& def, int64_t value) {
  double low, high;
  IntegerRange(def.DataType, low, high);
  const bool wide = !(def.DataType == ftSmallint || def.DataType == ftWord || def.DataType == ftInteger);
  if (!wide && (value < static_cast<int64_t>(low) || value > static_cast<int64_t>(high)))
    throw EDatabaseError(IntToStr(value) + " is not a valid value for field " + Quoted(def.Name) +
                         ". The allowed range is " + NumberText(low) + " to " + NumberText(high));
  cell.Clear();
  cell.integer = value;
  cell.null = false;
}

// A whole number given as text, in the range of the widest integer field
// (StrToInt stops at 32 bits, too narrow for a Largeint field).
int64_t TextToInteger(const AnsiString& text) {
  const AnsiString t = Trim(text);
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (first != last && *first == '+') ++first;
  int64_t value = 0;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (t.empty() || ec != std::errc() || ptr != last)
    throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

}  // namespace

void FieldAccessError(const TFieldDef& def, const char* typeName) {
  throw EDatabaseError("Cannot access field " + Quoted(def.Name) + " as type " + typeName);
}

std::string AnsiToUtf16Bytes(const AnsiString& text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (unsigned char c : text) {
    const unsigned u = Cp1252ToUnicode(c);
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

AnsiString Utf16BytesToAnsi(const std::string& bytes) {
  AnsiString text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned u = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (u >= 0xDC00 && u <= 0xDFFF) continue;  // the second half of a pair: one '?' stands for both
    const int code = UnicodeToCp1252(u);
    text.push_back(code >= 0 ? static_cast<char>(code) : '?');
  }
  return text;
}

AnsiString CellAsString(const Cell& cell, const TFieldDef& def) {
  if (cell.null) return AnsiString();
  switch (StorageOf(def.DataType)) {
    case Storage::Text:
    case Storage::Bytes:
      return cell.bytes;
    case Storage::WideText:
      return Utf16BytesToAnsi(cell.bytes);
    case Storage::Integer:
      return IntToStr(cell.integer);
    case Storage::Boolean:
      return cell.integer ? "True" : "False";
    case Storage::Float:
      return FloatToStr(cell.number);
    case Storage::Date:
      return DateToStr(cell.number);
    case Storage::Time:
      return TimeToStr(cell.number);
    case Storage::DateTime:
      return DateTimeToStr(cell.number);
  }
  return AnsiString();
}

double CellAsFloat(const Cell& cell, const TFieldDef& def) {
  switch (StorageOf(def.DataType)) {
    case Storage::Text:
    case Storage::WideText:
      return StrToFloat(CellAsString(cell, def));
    case Storage::Integer:
      return cell.null ? 0.0 : static_cast<double>(cell.integer);
    case Storage::Float:
    case Storage::Date:
    case Storage::Time:
    case Storage::DateTime:
      return cell.null ? 0.0 : cell.number;
    case Storage::Boolean:
    case Storage::Bytes:
      break;
  }
  FieldAccessError(def, "Float");
}

int CellAsInteger(const Cell& cell, const TFieldDef& def) {
  double value = 0;
  switch (StorageOf(def.DataType)) {
    case Storage::Text:
    case Storage::WideText:
      return StrToInt(CellAsString(cell, def));
    case Storage::Integer:
      value = cell.null ? 0.0 : static_cast<double>(cell.integer);
      break;
    case Storage::Float:
      value = cell.null ? 0.0 : std::nearbyint(cell.number);  // half to even, as the platform's Round
      break;
    default:
      FieldAccessError(def, "Integer");
  }
  if (!(value >= -2147483648.0 && value <= 2147483647.0))
    throw EDatabaseError("Value of field " + Quoted(def.Name) + " is out of the range of an integer");
  return static_cast<int>(value);
}

bool CellAsBoolean(const Cell& cell, const TFieldDef& def) {
  switch (StorageOf(def.DataType)) {
    case Storage::Boolean:
      return !cell.null && cell.integer != 0;
    case Storage::Text:
    case Storage::WideText: {
      const AnsiString text = CellAsString(cell, def);
      return !text.empty() && AnsiString("TtYy1").find(text[0]) != AnsiString::npos;
    }
    default:
      FieldAccessError(def, "Boolean");
  }
}

TDateTime CellAsDateTime(const Cell& cell, const TFieldDef& def) {
  switch (StorageOf(def.DataType)) {
    case Storage::Date:
    case Storage::Time:
    case Storage::DateTime:
      return cell.null ? 0.0 : cell.number;
    case Storage::Text:
    case Storage::WideText:
      return StrToDateTime(CellAsString(cell, def));
    default:
      FieldAccessError(def, "DateTime");
  }
}

Variant CellAsVariant(const Cell& cell, const TFieldDef& def) {
  if (cell.null) return Variant::Null();
  switch (StorageOf(def.DataType)) {
    case Storage::Text:
      return Variant(cell.bytes);
    case Storage::WideText:
      return Variant(Utf16BytesToAnsi(cell.bytes));
    case Storage::Integer:
      return Variant(static_cast<long long>(cell.integer));
    case Storage::Boolean:
      return Variant(cell.integer != 0);
    case Storage::Float:
      return Variant(cell.number);
    case Storage::Date:
    case Storage::Time:
    case Storage::DateTime:
      return Variant::FromDateTime(cell.number);
    case Storage::Bytes:
      if (def.DataType == ftMemo) return Variant(cell.bytes);
      return Variant::Bytes(std::vector<uint8_t>(cell.bytes.begin(), cell.bytes.end()));
  }
  return Variant::Null();
}

void SetCellString(Cell& cell, const TFieldDef& def, const AnsiString& value) {
  const Storage storage = StorageOf(def.DataType);
  if (value.empty() && def.DataType != ftBytes) {
    cell.Clear();
    return;
  }
  switch (storage) {
    case Storage::Text:
      cell.Clear();
      cell.bytes.assign(value, 0, static_cast<size_t>(def.Size));
      cell.null = false;
      return;
    case Storage::WideText:
      cell.Clear();
      cell.bytes = AnsiToUtf16Bytes(value.substr(0, static_cast<size_t>(def.Size)));
      cell.null = false;
      return;
    case Storage::Bytes:
      cell.Clear();
      cell.bytes = value;
      if (def.DataType == ftBytes) cell.bytes.resize(static_cast<size_t>(def.Size), '\0');
      cell.null = false;
      return;
    case Storage::Integer:
      SetCellInteger(cell, def, TextToInteger(value));
      return;
    case Storage::Float:
      SetCellFloat(cell, def, StrToFloat(value));
      return;
    case Storage::Boolean: {
      const size_t n = value.size();
      if (SameText(value, AnsiString("False").substr(0, n)))
        SetCellBoolean(cell, def, false);
      else if (SameText(value, AnsiString("True").substr(0, n)))
        SetCellBoolean(cell, def, true);
      else
        throw EDatabaseError("'" + value + "' is not a valid boolean value for field " + Quoted(def.Name));
      return;
    }
    case Storage::Date:
      SetCellDateTime(cell, def, StrToDate(value));
      return;
    case Storage::Time:
      SetCellDateTime(cell, def, StrToTime(value));
      return;
    case Storage::DateTime:
      SetCellDateTime(cell, def, StrToDateTime(value));
      return;
  }
}

void SetCellFloat(Cell& cell, const TFieldDef& def, double value) {
  switch (StorageOf(def.DataType)) {
    case Storage::Text:
    case Storage::WideText:
      SetCellString(cell, def, FloatToStr(value));
      return;
    case Storage::Integer:
      StoreInteger(cell, def, std::nearbyint(value));
      return;
    case Storage::Float:
      cell.Clear();
      cell.number = value;
      cell.null = false;
      return;
    case Storage::Date:
    case Storage::Time:
    case Storage::DateTime:
      SetCellDateTime(cell, def, value);
      return;
    default:
      FieldAccessError(def, "Float");
  }
}

void SetCellInteger(Cell& cell, const TFieldDef& def, int64_t value) {
  switch (StorageOf(def.DataType)) {
    case Storage::Text:
    case Storage::WideText:
      SetCellString(cell, def, IntToStr(value));
      return;
    case Storage::Integer:
      StoreInteger(cell, def, value);
      return;
    case Storage::Float:
      SetCellFloat(cell, def, static_cast<double>(value));
      return;
    default:
      FieldAccessError(def, "Integer");
  }
}

void SetCellBoolean(Cell& cell, const TFieldDef& def, bool value) {
  switch (StorageOf(def.DataType)) {
    case Storage::Boolean:
      cell.Clear();
      cell.integer = value ? 1 : 0;
      cell.null = false;
      return;
    case Storage::Text:
    case Storage::WideText:
      SetCellString(cell, def, value ? "T" : "F");
      return;
    default:
      FieldAccessError(def, "Boolean");
  }
}

void SetCellDateTime(Cell& cell, const TFieldDef& def, TDateTime value) {
  const Storage storage = StorageOf(def.DataType);
  if (storage == Storage::Text || storage == Storage::WideText) {
    SetCellString(cell, def, DateTimeToStr(value));
    return;
  }
  if (!IsDateStorage(storage)) FieldAccessError(def, "DateTime");
  TimeStamp stamp;
  if (!DateTimeToTimeStamp(value, stamp))
    throw EDatabaseError("Invalid date-time value " + NumberText(value) + " for field " + Quoted(def.Name));
  if (storage == Storage::Date) stamp.time = 0;
  if (storage == Storage::Time) stamp.date = kDateDelta;
  cell.Clear();
  cell.number = TimeStampToDateTime(stamp);
  cell.null = false;
}

void SetCellVariant(Cell& cell, const TFieldDef& def, const Variant& value) {
  if (value.IsNull() || value.IsEmpty()) {
    cell.Clear();
    return;
  }
  const Storage storage = StorageOf(def.DataType);
  if (value.IsArray()) throw EDatabaseError("An array cannot be the value of field " + Quoted(def.Name));
  if (value.IsByteArray()) {
    if (storage != Storage::Bytes && storage != Storage::Text) FieldAccessError(def, "ByteArray");
    const std::vector<uint8_t>& bytes = value.ByteData();
    SetCellString(cell, def, AnsiString(bytes.begin(), bytes.end()));
    return;
  }
  switch (storage) {
    case Storage::Text:
    case Storage::WideText:
    case Storage::Bytes:
      SetCellString(cell, def, value.AsString());
      return;
    case Storage::Integer:
      if (value.Type() == VarType::Integer || value.Type() == VarType::Boolean)
        SetCellInteger(cell, def, value.AsInteger());
      else
        SetCellFloat(cell, def, value.AsDouble());
      return;
    case Storage::Float:
      SetCellFloat(cell, def, value.AsDouble());
      return;
    case Storage::Boolean:
      SetCellBoolean(cell, def, value.AsBoolean());
      return;
    case Storage::Date:
    case Storage::Time:
    case Storage::DateTime:
      SetCellDateTime(cell, def, value.AsDateTime());
      return;
  }
}

}  // namespace mdx::dataset

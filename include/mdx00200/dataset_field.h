// TField: one column of a client dataset, read and written through the
// dataset's current record.
//
// Reading: in browse state the field shows the current record; in edit or
// insert state the record being edited. With no current record (an empty
// dataset) a field reads as null: "" as text, 0 as a number. Reading a
// closed dataset raises EDatabaseError.
//
// Writing requires edit or insert state (EDatabaseError "... not in edit or
// insert mode" otherwise). Conversions follow the platform:
// - Text fields keep at most Size characters (longer texts are cut), and an
//   empty text makes the field null. As a number a text converts with
//   StrToFloat / StrToInt (EConvertError when it does not); as a boolean it is
//   true when it starts with T, Y or 1 (any case).
// - Numbers as text use FloatToStr (the decimal separator of the settings);
//   booleans "True"/"False"; dates DateToStr, times TimeToStr, date-times
//   DateTimeToStr.
// - A conversion the field kind does not offer (a boolean as a date, a date
//   as an integer) raises EDatabaseError "Cannot access field 'X' as type Y".
// - Integers out of the field's range and impossible dates raise
//   EDatabaseError naming the field.
#pragma once

#include <cstdint>

#include "mdx00200/ansi_string.h"
#include "mdx00200/dataset_defs.h"
#include "mdx00200/datetime.h"
#include "mdx00200/variant.h"

namespace mdx {

class TClientDataSet;

class TField {
 public:
  TField(const TField&) = delete;
  TField& operator=(const TField&) = delete;

  const AnsiString& FieldName() const { return def_.Name; }
  TFieldType DataType() const { return def_.DataType; }
  int Size() const { return def_.Size; }
  bool Required() const { return def_.Required(); }
  int Index() const { return index_; }        // 0-based position in the dataset
  int FieldNo() const { return index_ + 1; }  // 1-based, as the platform
  TClientDataSet& DataSet() const { return *dataset_; }

  bool IsNull() const;
  void Clear();  // makes the value null

  AnsiString AsString() const;
  void SetAsString(const AnsiString& value);
  double AsFloat() const;
  void SetAsFloat(double value);
  int AsInteger() const;
  void SetAsInteger(int value);
  bool AsBoolean() const;
  void SetAsBoolean(bool value);
  TDateTime AsDateTime() const;
  void SetAsDateTime(TDateTime value);

  // Null for a null field; otherwise text, integer, double, bool, date-time,
  // or (blob kinds) a byte array. Setting null or empty clears the field;
  // other values convert as the matching SetAs... (text fields take the
  // variant's text, number fields its number, and so on).
  Variant Value() const;
  void SetValue(const Variant& value);

  // Display properties: DisplayText formats floats with DisplayFormat (a
  // FormatFloat mask) when it is set and otherwise shows AsString.
  const AnsiString& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const AnsiString& mask) { displayFormat_ = mask; }
  int DisplayWidth() const;  // Size for text fields unless set
  void SetDisplayWidth(int width) { displayWidth_ = width; }
  AnsiString DisplayText() const;

 private:
  friend class TClientDataSet;
  TField(TClientDataSet* dataset, int index, const TFieldDef& def)
      : dataset_(dataset), index_(index), def_(def) {}

  TClientDataSet* dataset_;
  int index_;
  TFieldDef def_;
  AnsiString displayFormat_;
  int displayWidth_ = 0;
};

}  // namespace mdx

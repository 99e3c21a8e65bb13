// Conversions between a field's stored value and the platform's types,
// with the platform's rules (see dataset_field.h). Errors are EDatabaseError
// without the dataset's name (the caller adds it), or EConvertError from the
// runtime's text-to-number and text-to-date conversions.
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/dataset_defs.h"
#include "mdx00200/datetime.h"
#include "mdx00200/variant.h"
#include "runtime/dataset/cell.h"

namespace mdx::dataset {

AnsiString CellAsString(const Cell& cell, const TFieldDef& def);
double CellAsFloat(const Cell& cell, const TFieldDef& def);
int CellAsInteger(const Cell& cell, const TFieldDef& def);
bool CellAsBoolean(const Cell& cell, const TFieldDef& def);
TDateTime CellAsDateTime(const Cell& cell, const TFieldDef& def);
Variant CellAsVariant(const Cell& cell, const TFieldDef& def);

void SetCellString(Cell& cell, const TFieldDef& def, const AnsiString& value);
void SetCellFloat(Cell& cell, const TFieldDef& def, double value);
void SetCellInteger(Cell& cell, const TFieldDef& def, int64_t value);
void SetCellBoolean(Cell& cell, const TFieldDef& def, bool value);
void SetCellDateTime(Cell& cell, const TFieldDef& def, TDateTime value);
void SetCellVariant(Cell& cell, const TFieldDef& def, const Variant& value);

// 1252 text <-> UTF-16LE bytes (wide text fields).
std::string AnsiToUtf16Bytes(const AnsiString& text);
AnsiString Utf16BytesToAnsi(const std::string& bytes);

// "Cannot access field 'X' as type Y".
[[noreturn]] void FieldAccessError(const TFieldDef& def, const char* typeName);

}  // namespace mdx::dataset

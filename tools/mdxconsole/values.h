// The script's JSON values as the package's types, and those types shown back
// as compact JSON-like text (UTF-8).
//
// Variant values take the forms of json/variant_json.h. DATASET:
//   {"fields": [...], "rows": [...]}          built as cdstool builds it
//   {"file": "x.cds"}                         loaded from the script's folder
//   with "encrypt": ["FIELD", ...] those text fields of every row encrypted
//   (the host library's Cripto with the configuration data's fixed key);
//   either with "name": "N" to keep it under that name, or {"name": "N"} alone
//   for a dataset an earlier entry named.
#pragma once

#include <string>

#include "call_context.h"
#include "json/variant_json.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/variant.h"

namespace mdxconsole {

using JsonValue = mdxjson::Json;

// Windows-1252 text of a JSON string; ScriptError for other values or for
// characters that 1252 lacks. "%WORK%" in a text stands for the work folder
// with its trailing separator (a register folder the package reads from).
mdx::AnsiString TextOf(const JsonValue& value);
void SetWorkFolderText(const mdx::AnsiString& folderWithSeparator);
// A date "dd/mm/yyyy" with an optional " hh:nn[:ss]"; ScriptError otherwise.
mdx::TDateTime DateOf(const std::string& text);
mdx::Variant VariantOf(const JsonValue& value, CallContext& context);

// The dataset a DATASET value describes: built (and kept when named) or the
// named one. In a dry run a reference to a name gives an empty dataset.
// Returns nullptr for JSON null.
mdx::TClientDataSet* DataSetOf(const JsonValue& value, CallContext& context);

std::string ShowText(const mdx::AnsiString& text);  // quoted, UTF-8
std::string ShowDate(mdx::TDateTime value);         // "dd/mm/yyyy hh:nn:ss"
std::string ShowNumber(double value);
std::string ShowVariant(const mdx::Variant& value);
// The dataset's rows, one JSON object per line, each prefixed with `indent`.
std::string ShowRows(mdx::TClientDataSet* dataSet, const std::string& indent);

}  // namespace mdxconsole

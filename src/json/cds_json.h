// Conversions between a dataset and JSON documents.
//
// Dump document:
//   {"fields": [{"name": "CDFILIAL", "kind": "text", "width": 4}, ...],
//    "indexes": [{"name": "idx", "fields": "A;B", "caseInsensitive": false}],  (when there are any)
//    "rows": [{"CDFILIAL": "01", ...}, ...]}
// Kinds: text, widetext, smallint, integer, word, largeint, boolean, float,
// currency, date, time, datetime, memo, blob, graphic, typedbinary, bytes.
// "width" is the width of text, widetext and bytes fields and 0 for the
// others; "required": true marks a required field.
// Values: texts as UTF-8 strings, numbers as numbers, null as null, dates
// "YYYY-MM-DD", times "hh:nn:ss", date-times "YYYY-MM-DD hh:nn:ss" (".zzz"
// after the seconds when the milliseconds are not 0), booleans true/false,
// blob, graphic, typedbinary and bytes values as base64. A float that is no
// number is written "NaN", "Infinity" or "-Infinity".
//
// Make takes the fields as that array (or a document with "fields" and
// "indexes") and the rows as an array (or a document with "rows"); a row is
// an object by field name (missing fields are null) or an array in field
// order. Texts must fit their width and Windows-1252. Its errors name the
// place in the document ("row 2, field 'VR': expected a number, got a text").
#pragma once

#include <stdexcept>
#include <string>

#include "json/json_text.h"
#include "mdx00200/dataset.h"

namespace mdxjson {

// An error in one input file; what() is the message without the file name.
class InputError : public std::runtime_error {
 public:
  InputError(std::string file, const std::string& what) : std::runtime_error(what), file_(std::move(file)) {}
  const std::string& File() const { return file_; }

 private:
  std::string file_;
};

// The dump document, and as indented text.
Json DataSetJson(mdx::TClientDataSet& ds);
std::string DumpDataSet(mdx::TClientDataSet& ds);

// Builds ds (created, log off) from the documents. Raises InputError.
void MakeDataSet(const Json& fields, const std::string& fieldsFile, const Json& rows,
                 const std::string& rowsFile, mdx::TClientDataSet& ds);

}  // namespace mdxjson

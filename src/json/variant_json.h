// The JSON forms of the package's values, shared by the C interface and the
// console:
//   "text" | 12 | 1.5 | true | null          text (UTF-8, sent as Windows-1252),
//                                             integer (whole and in 32 bits) or
//                                             double, bool, Null
//   [v, ...]                                  a variant array (low bound 0)
//   {"date": "dd/mm/yyyy[ hh:nn[:ss]]"}       a date-time
//   {"array": N}                              N empty cells (a result array)
//   {"packet": DATASET}                       the dataset's data packet
//   {"empty": true}                           an empty variant
//   {"NAME": v, ...}                          a parameter record of (NAME, v) pairs
// DATASET is whatever the caller's ValueContext reads ({"fields", "rows"}
// for every caller, see cds_json.h).
#pragma once

#include <stdexcept>
#include <string>

#include "json/json_text.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/variant.h"

namespace mdxjson {

// A value that does not have the form its place asks for; what() says why.
class ValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What differs between the callers while values are made.
class ValueContext {
 public:
  virtual ~ValueContext() = default;
  // The dataset a DATASET value describes; nullptr for null. The context owns
  // it for the call. ValueError when the value describes none.
  virtual mdx::TClientDataSet* DataSetOf(const Json& value) = 0;
  // A text as the caller means it (the console fills in its work folder).
  virtual mdx::AnsiString Expand(const mdx::AnsiString& text) { return text; }
  // False while values are only checked: packets are then left empty.
  virtual bool MakesPackets() const { return true; }
};

// The Windows-1252 text of a JSON string; ValueError for other values or for
// characters that 1252 lacks (sending a different text is worse than none).
mdx::AnsiString TextOf(const Json& value);
// A date "dd/mm/yyyy" with an optional " hh:nn[:ss]"; ValueError otherwise.
mdx::TDateTime DateOf(const std::string& text);
mdx::Variant VariantOf(const Json& value, ValueContext& context);

// A value in the same forms, for results: an empty cell as null, a date-time
// as {"date": "dd/mm/yyyy hh:nn:ss"}, a data packet as {"packet": {"fields",
// "rows"}} (or {"packet": null} when it does not read as one), an array of
// (text, value) pairs as a record object.
Json JsonOfVariant(const mdx::Variant& value);
// Whether the value is a record: a non-empty array of (text, value) pairs.
bool IsRecord(const mdx::Variant& value);
// "dd/mm/yyyy hh:nn:ss"
std::string DateText(mdx::TDateTime value);

}  // namespace mdxjson

// Filter expressions, compiled once against a dataset's fields and then
// evaluated per record without parsing.
//
// Grammar (keywords and field names case-insensitive):
//   expr       := and { OR and }
//   and        := not { AND not }
//   not        := NOT not | '(' expr ')' | comparison
//   comparison := operand ( op operand | IS [NOT] NULL )
//   op         := = | <> | < | > | <= | >=
//   operand    := field | [field name] | 'text' ('' inside for a quote)
//               | number (digits, '.', exponent; a leading '-') | TRUE | FALSE
// At least one side of a comparison is a field; a text or number on the
// other side is converted to the field's kind when the expression compiles.
// A comparison with a null value is unknown (SQL logic: NOT unknown is
// unknown), and only records for which the whole expression is true match.
#pragma once

#include <memory>
#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/dataset_defs.h"
#include "runtime/dataset/cell.h"

namespace mdx::dataset {

class FilterProgram {
 public:
  // Raises EDatabaseError naming the position and the problem (a syntax
  // error, an unknown field, a value that does not convert to the field).
  static std::unique_ptr<FilterProgram> Compile(const AnsiString& text, const std::vector<TFieldDef>& fields,
                                                TFilterOptions options);
  bool Matches(const Row& row) const;

  enum class Op : uint8_t { Eq, Ne, Lt, Gt, Le, Ge };
  enum class Kind : uint8_t { And, Or, Not, IsNull, IsNotNull, CompareConst, CompareFields };
  enum class Mode : uint8_t { Text, Wide, Number, Prefix };
  struct Node {
    Kind kind = Kind::And;
    Op op = Op::Eq;
    Mode mode = Mode::Text;
    bool caseInsensitive = false;
    int left = -1, right = -1;  // child nodes
    int field = -1, field2 = -1;
    Storage storage = Storage::Text, storage2 = Storage::Text;
    Cell constant;
  };

 private:
  enum class Truth : uint8_t { False, True, Unknown };
  Truth Eval(int node, const Row& row) const;

  std::vector<Node> nodes_;
  int root_ = -1;
};

}  // namespace mdx::dataset

#include "runtime/dataset/filter_expr.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/number_format.h"
#include "runtime/dataset/value_compare.h"
#include "runtime/dataset/value_convert.h"

namespace mdx::dataset {

namespace {

using Op = FilterProgram::Op;
using Kind = FilterProgram::Kind;
using Mode = FilterProgram::Mode;
using Node = FilterProgram::Node;

enum class Tok { End, Name, Text, Number, Minus, LParen, RParen, Compare, And, Or, Not, Is, Null, True, False };

struct Token {
  Tok type = Tok::End;
  std::string text;
  Op op = Op::Eq;
  size_t pos = 0;  // 1-based character position, for messages
};

bool IsNameStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool IsNameChar(unsigned char c) { return IsNameStart(c) || std::isdigit(c); }

class Lexer {
 public:
  explicit Lexer(const std::string& text) : s_(text) {}

  [[noreturn]] void Error(size_t pos, const std::string& what) const {
    throw EDatabaseError("Filter expression error at position " + std::to_string(pos) + ": " + what +
                         " (in \"" + s_ + "\")");
  }

  Token Next() {
    while (i_ < s_.size() && static_cast<unsigned char>(s_[i_]) <= ' ') ++i_;
    Token t;
    t.pos = i_ + 1;
    if (i_ >= s_.size()) return t;
    const unsigned char c = static_cast<unsigned char>(s_[i_]);
    if (c == '\'') return QuotedText(t);
    if (c == '[') {
      const size_t end = s_.find(']', i_ + 1);
      if (end == std::string::npos) Error(t.pos, "missing ']'");
      t.type = Tok::Name;
      t.text = s_.substr(i_ + 1, end - i_ - 1);
      i_ = end + 1;
      return t;
    }
    if (std::isdigit(c) || (c == '.' && i_ + 1 < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_ + 1]))))
      return NumberToken(t);
    if (IsNameStart(c)) {
      size_t end = i_;
      while (end < s_.size() && IsNameChar(static_cast<unsigned char>(s_[end]))) ++end;
      t.text = s_.substr(i_, end - i_);
      i_ = end;
      t.type = Keyword(t.text);
      return t;
    }
    ++i_;
    switch (c) {
      case '(':
        t.type = Tok::LParen;
        return t;
      case ')':
        t.type = Tok::RParen;
        return t;
      case '-':
        t.type = Tok::Minus;
        return t;
      case '=':
        return CompareToken(t, Op::Eq);
      case '<':
        if (Peek('>')) return CompareToken(t, Op::Ne);
        if (Peek('=')) return CompareToken(t, Op::Le);
        return CompareToken(t, Op::Lt);
      case '>':
        if (Peek('=')) return CompareToken(t, Op::Ge);
        return CompareToken(t, Op::Gt);
      case '!':
        if (Peek('=')) return CompareToken(t, Op::Ne);
        break;
      default:
        break;
    }
    Error(t.pos, std::string("unexpected character '") + static_cast<char>(c) + "'");
  }

 private:
  bool Peek(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  static Token CompareToken(Token t, Op op) {
    t.type = Tok::Compare;
    t.op = op;
    return t;
  }

  static Tok Keyword(const std::string& word) {
    if (SameText(word, "AND")) return Tok::And;
    if (SameText(word, "OR")) return Tok::Or;
    if (SameText(word, "NOT")) return Tok::Not;
    if (SameText(word, "IS")) return Tok::Is;
    if (SameText(word, "NULL")) return Tok::Null;
    if (SameText(word, "TRUE")) return Tok::True;
    if (SameText(word, "FALSE")) return Tok::False;
    return Tok::Name;
  }

  Token QuotedText(Token t) {
    ++i_;
    t.type = Tok::Text;
    for (;;) {
      if (i_ >= s_.size()) Error(t.pos, "unterminated text");
      if (s_[i_] == '\'') {
        if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
          t.text.push_back('\'');
          i_ += 2;
          continue;
        }
        ++i_;
        return t;
      }
      t.text.push_back(s_[i_++]);
    }
  }

  Token NumberToken(Token t) {
    const size_t start = i_;
    auto digits = [&] {
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    };
    digits();
    if (i_ < s_.size() && s_[i_] == '.') {
      ++i_;
      digits();
    }
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      size_t j = i_ + 1;
      if (j < s_.size() && (s_[j] == '+' || s_[j] == '-')) ++j;
      if (j < s_.size() && std::isdigit(static_cast<unsigned char>(s_[j]))) {
        i_ = j;
        digits();
      }
    }
    if (i_ < s_.size() && IsNameChar(static_cast<unsigned char>(s_[i_]))) Error(i_ + 1, "bad number");
    t.type = Tok::Number;
    t.text = s_.substr(start, i_ - start);
    return t;
  }

  const std::string& s_;
  size_t i_ = 0;
};

struct Operand {
  bool isField = false;
  int field = -1;
  Tok literal = Tok::End;  // Text, Number, True or False
  std::string text;
  size_t pos = 0;
};

Op Flip(Op op) {
  switch (op) {
    case Op::Lt:
      return Op::Gt;
    case Op::Gt:
      return Op::Lt;
    case Op::Le:
      return Op::Ge;
    case Op::Ge:
      return Op::Le;
    default:
      return op;
  }
}

bool IsNumeric(Storage s) {
  return s == Storage::Integer || s == Storage::Boolean || s == Storage::Float || IsDateStorage(s);
}

bool ParseNumber(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  const auto result = std::from_chars(first, last, value);
  return result.ec == std::errc() && result.ptr == last;
}

class Parser {
 public:
  Parser(const std::string& text, const std::vector<TFieldDef>& fields, TFilterOptions options,
         std::vector<Node>& nodes)
      : lexer_(text), fields_(fields), options_(options), nodes_(nodes) {
    Advance();
  }

  int ParseAll() {
    const int root = Expr(0);
    if (tok_.type != Tok::End) lexer_.Error(tok_.pos, "unexpected '" + Describe(tok_) + "'");
    return root;
  }

 private:
  static constexpr int kMaxDepth = 200;
  static constexpr size_t kMaxNodes = 1000;

  static std::string Describe(const Token& t) {
    switch (t.type) {
      case Tok::End:
        return "end of text";
      case Tok::LParen:
        return "(";
      case Tok::RParen:
        return ")";
      case Tok::Minus:
        return "-";
      case Tok::Compare:
        return "comparison";
      case Tok::Text:
        return "'" + t.text + "'";
      default:
        return t.text;
    }
  }

  void Advance() { tok_ = lexer_.Next(); }

  void Depth(int depth) const {
    if (depth > kMaxDepth) lexer_.Error(tok_.pos, "expression nested too deeply");
  }

  int Add(Node node) {
    // Bounds the tree, and so the depth of evaluation, for any input.
    if (nodes_.size() >= kMaxNodes) lexer_.Error(tok_.pos, "expression too long");
    nodes_.push_back(std::move(node));
    return static_cast<int>(nodes_.size()) - 1;
  }

  int Binary(Kind kind, int left, int right) {
    Node n;
    n.kind = kind;
    n.left = left;
    n.right = right;
    return Add(std::move(n));
  }

  int Expr(int depth) {
    Depth(depth);
    int left = And(depth + 1);
    while (tok_.type == Tok::Or) {
      Advance();
      left = Binary(Kind::Or, left, And(depth + 1));
    }
    return left;
  }

  int And(int depth) {
    int left = NotTerm(depth + 1);
    while (tok_.type == Tok::And) {
      Advance();
      left = Binary(Kind::And, left, NotTerm(depth + 1));
    }
    return left;
  }

  int NotTerm(int depth) {
    Depth(depth);
    if (tok_.type == Tok::Not) {
      Advance();
      Node n;
      n.kind = Kind::Not;
      n.left = NotTerm(depth + 1);
      return Add(std::move(n));
    }
    if (tok_.type == Tok::LParen) {
      Advance();
      const int inner = Expr(depth + 1);
      if (tok_.type != Tok::RParen) lexer_.Error(tok_.pos, "expected ')' but found '" + Describe(tok_) + "'");
      Advance();
      return inner;
    }
    return Comparison();
  }

  Operand ParseOperand() {
    Operand o;
    o.pos = tok_.pos;
    switch (tok_.type) {
      case Tok::Name: {
        o.isField = true;
        for (size_t i = 0; i < fields_.size(); ++i)
          if (SameText(fields_[i].Name, tok_.text)) o.field = static_cast<int>(i);
        if (o.field < 0) lexer_.Error(tok_.pos, "Field '" + tok_.text + "' not found");
        break;
      }
      case Tok::Minus:
        Advance();
        if (tok_.type != Tok::Number) lexer_.Error(tok_.pos, "expected a number after '-'");
        o.literal = Tok::Number;
        o.text = "-" + tok_.text;
        break;
      case Tok::Text:
      case Tok::Number:
      case Tok::True:
      case Tok::False:
        o.literal = tok_.type;
        o.text = tok_.text;
        break;
      default:
        lexer_.Error(tok_.pos, "expected a field or a value but found '" + Describe(tok_) + "'");
    }
    Advance();
    return o;
  }

  int Comparison() {
    Operand left = ParseOperand();
    if (tok_.type == Tok::Is) {
      Advance();
      bool negated = false;
      if (tok_.type == Tok::Not) {
        negated = true;
        Advance();
      }
      if (tok_.type != Tok::Null) lexer_.Error(tok_.pos, "expected NULL after IS");
      Advance();
      if (!left.isField) lexer_.Error(left.pos, "IS NULL needs a field");
      Node n;
      n.kind = negated ? Kind::IsNotNull : Kind::IsNull;
      n.field = left.field;
      return Add(std::move(n));
    }
    if (tok_.type != Tok::Compare)
      lexer_.Error(tok_.pos, "expected a comparison but found '" + Describe(tok_) + "'");
    Op op = tok_.op;
    Advance();
    Operand right = ParseOperand();
    if (!left.isField && !right.isField) lexer_.Error(left.pos, "a comparison needs a field");
    if (!left.isField) {
      std::swap(left, right);
      op = Flip(op);
    }
    Node n;
    n.op = op;
    n.field = left.field;
    n.storage = StorageOf(fields_[left.field].DataType);
    n.caseInsensitive = options_.Contains(foCaseInsensitive);
    if (right.isField)
      FieldsNode(n, right);
    else
      ConstantNode(n, right);
    return Add(std::move(n));
  }

  void FieldsNode(Node& n, const Operand& right) {
    n.kind = Kind::CompareFields;
    n.field2 = right.field;
    n.storage2 = StorageOf(fields_[right.field].DataType);
    if (IsNumeric(n.storage) && IsNumeric(n.storage2))
      n.mode = Mode::Number;
    else if (n.storage == n.storage2)
      n.mode = n.storage == Storage::WideText ? Mode::Wide : Mode::Text;
    else
      lexer_.Error(right.pos, "fields '" + fields_[n.field].Name + "' and '" + fields_[right.field].Name +
                                  "' cannot be compared");
  }

  void ConstantNode(Node& n, const Operand& value) {
    n.kind = Kind::CompareConst;
    const TFieldDef& def = fields_[n.field];
    Cell& c = n.constant;
    c.null = false;
    auto mismatch = [&]() {
      lexer_.Error(value.pos, "'" + value.text + "' does not suit field '" + def.Name + "' (" +
                                  FieldTypeName(def.DataType) + ")");
    };
    switch (n.storage) {
      case Storage::Text:
      case Storage::Bytes:
      case Storage::WideText: {
        if (value.literal != Tok::Text && value.literal != Tok::Number) mismatch();
        std::string text = value.text;
        n.mode = n.storage == Storage::WideText ? Mode::Wide : Mode::Text;
        if (value.literal == Tok::Text && !options_.Contains(foNoPartialCompare) && !text.empty() &&
            text.back() == '*' && (n.op == Op::Eq || n.op == Op::Ne)) {
          text.pop_back();
          n.mode = Mode::Prefix;
        }
        c.bytes = n.storage == Storage::WideText ? AnsiToUtf16Bytes(text) : text;
        break;
      }
      case Storage::Boolean:
        n.mode = Mode::Number;
        if (value.literal == Tok::True || (value.literal == Tok::Text && SameText(value.text, "True")))
          c.number = 1;
        else if (value.literal == Tok::False || (value.literal == Tok::Text && SameText(value.text, "False")))
          c.number = 0;
        else if (value.literal == Tok::Number && ParseNumber(value.text, c.number))
          c.number = c.number != 0 ? 1 : 0;
        else
          mismatch();
        break;
      case Storage::Integer:
      case Storage::Float: {
        n.mode = Mode::Number;
        if (value.literal == Tok::Number) {
          if (!ParseNumber(value.text, c.number)) mismatch();
        } else if (value.literal == Tok::Text) {
          if (!ParseNumber(value.text, c.number) && !TryStrToFloat(value.text, c.number)) mismatch();
        } else {
          mismatch();
        }
        break;
      }
      case Storage::Date:
      case Storage::Time:
      case Storage::DateTime: {
        n.mode = Mode::Number;
        double when = 0;
        if (value.literal == Tok::Number) {
          if (!ParseNumber(value.text, when)) mismatch();
        } else if (value.literal != Tok::Text || !ParseDate(value.text, n.storage, when)) {
          mismatch();
        }
        Cell normal;
        try {
          SetCellDateTime(normal, def, when);
        } catch (const EDatabaseError&) {
          mismatch();
        }
        c.number = normal.number;
        break;
      }
    }
  }

  static bool ParseDate(const std::string& text, Storage storage, double& when) {
    if (storage == Storage::Time) {
      try {
        when = StrToTime(text);
        return true;
      } catch (const EConvertError&) {
        return false;
      }
    }
    return TryStrToDateTime(text, when);
  }

  Lexer lexer_;
  Token tok_;
  const std::vector<TFieldDef>& fields_;
  TFilterOptions options_;
  std::vector<Node>& nodes_;
};

bool Holds(Op op, int c) {
  switch (op) {
    case Op::Eq:
      return c == 0;
    case Op::Ne:
      return c != 0;
    case Op::Lt:
      return c < 0;
    case Op::Gt:
      return c > 0;
    case Op::Le:
      return c <= 0;
    case Op::Ge:
      return c >= 0;
  }
  return false;
}

double NumberOf(const Cell& cell, Storage storage) {
  return storage == Storage::Integer || storage == Storage::Boolean ? static_cast<double>(cell.integer)
                                                                    : cell.number;
}


}  // namespace

std::unique_ptr<FilterProgram> FilterProgram::Compile(const AnsiString& text, const std::vector<TFieldDef>& fields,
                                                      TFilterOptions options) {
  auto program = std::unique_ptr<FilterProgram>(new FilterProgram());
  Parser parser(text, fields, options, program->nodes_);
  program->root_ = parser.ParseAll();
  return program;
}

bool FilterProgram::Matches(const Row& row) const { return Eval(root_, row) == Truth::True; }

FilterProgram::Truth FilterProgram::Eval(int index, const Row& row) const {
  const Node& n = nodes_[index];
  switch (n.kind) {
    case Kind::And: {
      const Truth a = Eval(n.left, row);
      if (a == Truth::False) return Truth::False;
      const Truth b = Eval(n.right, row);
      if (b == Truth::False) return Truth::False;
      return a == Truth::True && b == Truth::True ? Truth::True : Truth::Unknown;
    }
    case Kind::Or: {
      const Truth a = Eval(n.left, row);
      if (a == Truth::True) return Truth::True;
      const Truth b = Eval(n.right, row);
      if (b == Truth::True) return Truth::True;
      return a == Truth::False && b == Truth::False ? Truth::False : Truth::Unknown;
    }
    case Kind::Not: {
      const Truth a = Eval(n.left, row);
      return a == Truth::Unknown ? a : a == Truth::True ? Truth::False : Truth::True;
    }
    case Kind::IsNull:
      return row[n.field].null ? Truth::True : Truth::False;
    case Kind::IsNotNull:
      return row[n.field].null ? Truth::False : Truth::True;
    case Kind::CompareConst: {
      const Cell& a = row[n.field];
      if (a.null) return Truth::Unknown;
      int c = 0;
      switch (n.mode) {
        case Mode::Text:
          c = CompareCells(a, n.constant, Storage::Text, n.caseInsensitive);
          break;
        case Mode::Wide:
          c = CompareCells(a, n.constant, Storage::WideText, n.caseInsensitive);
          break;
        case Mode::Prefix:
          c = TextStartsWith(a.bytes, n.constant.bytes, n.caseInsensitive) ? 0 : 1;
          break;
        case Mode::Number:
          c = CompareNumbers(NumberOf(a, n.storage), n.constant.number);
          break;
      }
      return Holds(n.op, c) ? Truth::True : Truth::False;
    }
    case Kind::CompareFields: {
      const Cell& a = row[n.field];
      const Cell& b = row[n.field2];
      if (a.null || b.null) return Truth::Unknown;
      const int c = n.mode == Mode::Number
                        ? CompareNumbers(NumberOf(a, n.storage), NumberOf(b, n.storage2))
                        : CompareCells(a, b, n.mode == Mode::Wide ? Storage::WideText : Storage::Text,
                                       n.caseInsensitive);
      return Holds(n.op, c) ? Truth::True : Truth::False;
    }
  }
  return Truth::False;
}

}  // namespace mdx::dataset

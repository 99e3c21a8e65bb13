#include "json/json.h"

#include <charconv>
#include <cstdio>

namespace mdxjson {

namespace {

constexpr int kMaxDepth = 64;

class Reader {
 public:
  explicit Reader(const std::string& s) : s_(s) {
    if (s_.compare(0, 3, "\xEF\xBB\xBF") == 0) Advance(3);
  }

  JsonValue Document() {
    SkipSpace();
    if (AtEnd()) Fail("the file holds no JSON value");
    JsonValue value = Value(0);
    SkipSpace();
    if (!AtEnd()) Fail("unexpected text after the JSON value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw JsonError(line_, column_, what); }

  bool AtEnd() const { return i_ >= s_.size(); }
  char Peek() const { return AtEnd() ? '\0' : s_[i_]; }
  void Advance(size_t n = 1) {
    for (size_t k = 0; k < n && i_ < s_.size(); ++k, ++i_) {
      if (s_[i_] == '\n') {
        ++line_;
        column_ = 1;
      } else {
        ++column_;
      }
    }
  }
  void SkipSpace() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) Advance();
  }
  void Expect(char c, const char* what) {
    if (Peek() != c) Fail(std::string("expected ") + what);
    Advance();
  }
  void Word(const char* word) {
    for (const char* p = word; *p; ++p) {
      if (Peek() != *p) Fail(std::string("expected '") + word + "'");
      Advance();
    }
  }

  JsonValue Value(int depth) {
    if (depth > kMaxDepth) Fail("JSON nested too deeply");
    JsonValue v;
    v.line = line_;
    v.column = column_;
    switch (Peek()) {
      case '{':
        ObjectInto(v, depth);
        break;
      case '[':
        ArrayInto(v, depth);
        break;
      case '"':
        v.type = JsonValue::Type::String;
        v.text = String();
        break;
      case 't':
        Word("true");
        v.type = JsonValue::Type::Boolean;
        v.boolean = true;
        break;
      case 'f':
        Word("false");
        v.type = JsonValue::Type::Boolean;
        break;
      case 'n':
        Word("null");
        break;
      default:
        if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) {
          NumberInto(v);
          break;
        }
        if (AtEnd()) Fail("unexpected end of the file");
        Fail(std::string("unexpected character '") + Peek() + "'");
    }
    return v;
  }

  void ObjectInto(JsonValue& v, int depth) {
    v.type = JsonValue::Type::Object;
    Advance();
    SkipSpace();
    if (Peek() == '}') {
      Advance();
      return;
    }
    for (;;) {
      SkipSpace();
      if (Peek() != '"') Fail("expected a member name in quotes");
      const int keyLine = line_, keyColumn = column_;
      std::string key = String();
      if (v.Find(key)) throw JsonError(keyLine, keyColumn, "duplicate member \"" + key + "\"");
      SkipSpace();
      Expect(':', "':' after the member name");
      SkipSpace();
      v.members.emplace_back(std::move(key), Value(depth + 1));
      SkipSpace();
      if (Peek() == ',') {
        Advance();
        continue;
      }
      Expect('}', "',' or '}'");
      return;
    }
  }

  void ArrayInto(JsonValue& v, int depth) {
    v.type = JsonValue::Type::Array;
    Advance();
    SkipSpace();
    if (Peek() == ']') {
      Advance();
      return;
    }
    for (;;) {
      SkipSpace();
      v.items.push_back(Value(depth + 1));
      SkipSpace();
      if (Peek() == ',') {
        Advance();
        continue;
      }
      Expect(']', "',' or ']'");
      return;
    }
  }

  void NumberInto(JsonValue& v) {
    v.type = JsonValue::Type::Number;
    const size_t start = i_;
    auto digits = [&] {
      if (!(Peek() >= '0' && Peek() <= '9')) Fail("expected a digit");
      while (Peek() >= '0' && Peek() <= '9') Advance();
    };
    if (Peek() == '-') Advance();
    if (Peek() == '0') {
      Advance();
      if (Peek() >= '0' && Peek() <= '9') Fail("a number does not start with 0");
    } else {
      digits();
    }
    if (Peek() == '.') {
      Advance();
      digits();
    }
    if (Peek() == 'e' || Peek() == 'E') {
      Advance();
      if (Peek() == '+' || Peek() == '-') Advance();
      digits();
    }
    v.text = s_.substr(start, i_ - start);
    const auto result = std::from_chars(v.text.data(), v.text.data() + v.text.size(), v.number);
    if (result.ec != std::errc()) throw JsonError(v.line, v.column, "number " + v.text + " is out of range");
  }

  unsigned Hex4() {
    unsigned value = 0;
    for (int k = 0; k < 4; ++k) {
      const char c = Peek();
      unsigned digit;
      if (c >= '0' && c <= '9')
        digit = unsigned(c - '0');
      else if (c >= 'a' && c <= 'f')
        digit = unsigned(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        digit = unsigned(c - 'A' + 10);
      else
        Fail("expected four hex digits after \\u");
      value = value * 16 + digit;
      Advance();
    }
    return value;
  }

  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out.push_back(char(cp));
    } else if (cp < 0x800) {
      out.push_back(char(0xC0 | (cp >> 6)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(char(0xE0 | (cp >> 12)));
      out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (cp >> 18)));
      out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(char(0x80 | (cp & 0x3F)));
    }
  }

  // One UTF-8 sequence, checked (no overlong forms, no surrogates).
  void Utf8Into(std::string& out) {
    const unsigned char c = static_cast<unsigned char>(Peek());
    const int length = c >= 0xF0 ? (c <= 0xF4 ? 4 : 0) : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (!length) Fail("invalid UTF-8");
    unsigned cp = c & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (int k = 1; k < length; ++k) {
      if (i_ + size_t(k) >= s_.size()) Fail("invalid UTF-8");
      const unsigned char next = static_cast<unsigned char>(s_[i_ + size_t(k)]);
      if ((next & 0xC0) != 0x80) Fail("invalid UTF-8");
      cp = (cp << 6) | (next & 0x3F);
    }
    if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      Fail("invalid UTF-8");
    out.append(s_, i_, size_t(length));
    Advance(size_t(length));
  }

  std::string String() {
    Advance();  // the opening quote
    std::string out;
    for (;;) {
      if (AtEnd()) Fail("unterminated text");
      const unsigned char c = static_cast<unsigned char>(Peek());
      if (c == '"') {
        Advance();
        return out;
      }
      if (c < 0x20) Fail("control character in a text (write it as an escape)");
      if (c >= 0x80) {
        Utf8Into(out);
        continue;
      }
      if (c != '\\') {
        out.push_back(char(c));
        Advance();
        continue;
      }
      Advance();
      const char e = Peek();
      Advance();
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out.push_back(e);
          break;
        case 'b':
          out.push_back('\b');
          break;
        case 'f':
          out.push_back('\f');
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'u': {
          unsigned cp = Hex4();
          if (cp >= 0xDC00 && cp <= 0xDFFF) Fail("lone low surrogate in \\u escape");
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (Peek() != '\\') Fail("high surrogate without its low half");
            Advance();
            if (Peek() != 'u') Fail("high surrogate without its low half");
            Advance();
            const unsigned low = Hex4();
            if (low < 0xDC00 || low > 0xDFFF) Fail("high surrogate without its low half");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, cp);
          break;
        }
        default:
          Fail("unknown escape in a text");
      }
    }
  }

  const std::string& s_;
  size_t i_ = 0;
  int line_ = 1;
  int column_ = 1;
};

}  // namespace

const JsonValue* JsonValue::Find(const std::string& key) const {
  for (const auto& member : members)
    if (member.first == key) return &member.second;
  return nullptr;
}

const char* JsonValue::TypeName() const {
  switch (type) {
    case Type::Null:
      return "null";
    case Type::Boolean:
      return "a boolean";
    case Type::Number:
      return "a number";
    case Type::String:
      return "a text";
    case Type::Array:
      return "an array";
    case Type::Object:
      return "an object";
  }
  return "?";
}

JsonValue ParseJson(const std::string& text) { return Reader(text).Document(); }

std::string JsonQuote(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", c);
          out += escape;
        } else {
          out.push_back(char(c));
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);  // shortest round trip
  return std::string(buffer, result.ptr);
}

}  // namespace mdxjson

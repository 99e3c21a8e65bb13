#include "json/cds_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"

namespace mdxjson {

using namespace mdx;
using Type = JsonValue::Type;

namespace {

struct Kind {
  const char* name;
  TFieldType type;
};

const Kind kKinds[] = {
    {"text", ftString},     {"widetext", ftWideString}, {"smallint", ftSmallint}, {"integer", ftInteger},
    {"word", ftWord},       {"largeint", ftLargeint},   {"boolean", ftBoolean},   {"float", ftFloat},
    {"currency", ftCurrency}, {"date", ftDate},         {"time", ftTime},         {"datetime", ftDateTime},
    {"memo", ftMemo},       {"blob", ftBlob},           {"graphic", ftGraphic},   {"typedbinary", ftTypedBinary},
    {"bytes", ftBytes},
};

const char* KindName(TFieldType type) {
  for (const Kind& k : kKinds)
    if (k.type == type) return k.name;
  return "unknown";
}

bool HasWidth(TFieldType type) { return type == ftString || type == ftWideString || type == ftBytes; }
bool IsBinary(TFieldType type) {
  return type == ftBlob || type == ftGraphic || type == ftTypedBinary || type == ftBytes;
}

// --- text and base64 ---------------------------------------------------------

// UTF-8 (already checked by the JSON reader) to Windows-1252; false with the
// offending code point when one has no 1252 form.
bool Utf8To1252(const std::string& utf8, std::string& out, unsigned& bad) {
  out.clear();
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    unsigned cp;
    size_t length;
    if (c < 0x80) {
      cp = c;
      length = 1;
    } else if (c < 0xE0) {
      cp = c & 0x1F;
      length = 2;
    } else if (c < 0xF0) {
      cp = c & 0x0F;
      length = 3;
    } else {
      cp = c & 0x07;
      length = 4;
    }
    for (size_t k = 1; k < length && i + k < utf8.size(); ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
    i += length;
    const int code = UnicodeToCp1252(cp);
    if (code < 0) {
      bad = cp;
      return false;
    }
    out.push_back(static_cast<char>(code));
  }
  return true;
}

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::string& bytes) {
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    uint32_t n = uint32_t(static_cast<unsigned char>(bytes[i])) << 16;
    if (i + 1 < bytes.size()) n |= uint32_t(static_cast<unsigned char>(bytes[i + 1])) << 8;
    if (i + 2 < bytes.size()) n |= uint32_t(static_cast<unsigned char>(bytes[i + 2]));
    out.push_back(kBase64[(n >> 18) & 63]);
    out.push_back(kBase64[(n >> 12) & 63]);
    out.push_back(i + 1 < bytes.size() ? kBase64[(n >> 6) & 63] : '=');
    out.push_back(i + 2 < bytes.size() ? kBase64[n & 63] : '=');
  }
  return out;
}

bool FromBase64(const std::string& text, std::string& out) {
  out.clear();
  if (text.size() % 4) return false;
  for (size_t i = 0; i < text.size(); i += 4) {
    uint32_t n = 0;
    int padding = 0;
    for (size_t k = 0; k < 4; ++k) {
      const char c = text[i + k];
      const char* p = c ? std::strchr(kBase64, c) : nullptr;
      if (c == '=' && i + 4 == text.size() && k >= 2) {
        ++padding;
        n <<= 6;
        continue;
      }
      if (!p || padding) return false;
      n = (n << 6) | uint32_t(p - kBase64);
    }
    out.push_back(char(n >> 16));
    if (padding < 2) out.push_back(char((n >> 8) & 0xFF));
    if (padding < 1) out.push_back(char(n & 0xFF));
  }
  return true;
}

// --- dates ---------------------------------------------------------------------

std::string DateText(TDateTime value) {
  int y, m, d;
  DecodeDate(value, y, m, d);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
  return text;
}

std::string TimeText(TDateTime value) {
  int h, n, s, ms;
  DecodeTime(value, h, n, s, ms);
  char text[16];
  if (ms)
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", h, n, s, ms);
  else
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", h, n, s);
  return text;
}

// Reads a fixed number of digits at text[at...].
bool Digits(const std::string& text, size_t at, size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

bool ParseTime(const std::string& text, size_t at, TDateTime& value) {
  int h, n, s = 0, ms = 0;
  if (!Digits(text, at, 2, h) || at + 2 >= text.size() || text[at + 2] != ':' || !Digits(text, at + 3, 2, n))
    return false;
  size_t end = at + 5;
  if (end < text.size()) {
    if (text[end] != ':' || !Digits(text, end + 1, 2, s)) return false;
    end += 3;
    if (end < text.size()) {
      if (text[end] != '.' || !Digits(text, end + 1, 3, ms) || end + 4 != text.size()) return false;
      end += 4;
    }
  }
  return end == text.size() && TryEncodeTime(h, n, s, ms, value);
}

bool ParseDate(const std::string& text, TFieldType type, TDateTime& value) {
  if (type == ftTime) return ParseTime(text, 0, value);
  int y, m, d;
  if (!Digits(text, 0, 4, y) || text.size() < 10 || text[4] != '-' || !Digits(text, 5, 2, m) || text[7] != '-' ||
      !Digits(text, 8, 2, d) || !TryEncodeDate(y, m, d, value))
    return false;
  if (text.size() == 10) return true;
  TDateTime time;
  if (type != ftDateTime || (text[10] != ' ' && text[10] != 'T') || !ParseTime(text, 11, time)) return false;
  value += time;
  return true;
}

// --- dump ------------------------------------------------------------------------

std::string ValueJson(const TField& field) {
  if (field.IsNull()) return "null";
  switch (field.DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftLargeint:
      return field.AsString();
    case ftBoolean:
      return field.AsBoolean() ? "true" : "false";
    case ftFloat:
    case ftCurrency: {
      const double v = field.AsFloat();
      if (std::isnan(v)) return "\"NaN\"";
      if (std::isinf(v)) return v > 0 ? "\"Infinity\"" : "\"-Infinity\"";
      return JsonNumber(v);
    }
    case ftDate:
      return JsonQuote(DateText(field.AsDateTime()));
    case ftTime:
      return JsonQuote(TimeText(field.AsDateTime()));
    case ftDateTime:
      return JsonQuote(DateText(field.AsDateTime()) + " " + TimeText(field.AsDateTime()));
    default:
      if (IsBinary(field.DataType())) return JsonQuote(Base64(field.AsString()));
      return JsonQuote(AnsiToUtf8(field.AsString()));
  }
}

}  // namespace

std::string DumpDataSet(TClientDataSet& ds) {
  std::string out = "{\n  \"fields\": [";
  for (int f = 0; f < ds.FieldCount(); ++f) {
    const TField& field = ds.Fields(f);
    out += f ? ",\n    " : "\n    ";
    out += "{\"name\": " + JsonQuote(AnsiToUtf8(field.FieldName())) + ", \"kind\": \"" + KindName(field.DataType()) +
           "\", \"width\": " + std::to_string(HasWidth(field.DataType()) ? field.Size() : 0);
    if (field.Required()) out += ", \"required\": true";
    out += "}";
  }
  out += "\n  ],\n";
  if (ds.IndexDefs().Count()) {
    out += "  \"indexes\": [";
    for (int i = 0; i < ds.IndexDefs().Count(); ++i) {
      const TIndexDef& def = ds.IndexDefs()[i];
      out += i ? ",\n    " : "\n    ";
      out += "{\"name\": " + JsonQuote(AnsiToUtf8(def.Name)) + ", \"fields\": " + JsonQuote(AnsiToUtf8(def.Fields)) +
             ", \"caseInsensitive\": " + (def.Options.Contains(ixCaseInsensitive) ? "true" : "false") + "}";
    }
    out += "\n  ],\n";
  }
  out += "  \"rows\": [";
  bool first = true;
  for (ds.First(); !ds.Eof(); ds.Next()) {
    out += first ? "\n    {" : ",\n    {";
    first = false;
    for (int f = 0; f < ds.FieldCount(); ++f) {
      if (f) out += ", ";
      out += JsonQuote(AnsiToUtf8(ds.Fields(f).FieldName())) + ": " + ValueJson(ds.Fields(f));
    }
    out += "}";
  }
  out += first ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

// --- make ------------------------------------------------------------------------

namespace {

class Maker {
 public:
  Maker(const std::string& file) : file_(file) {}

  [[noreturn]] void Fail(const JsonValue& at, const std::string& what) const {
    throw InputError(file_, std::to_string(at.line) + ":" + std::to_string(at.column) + ": " + what);
  }

  const JsonValue& Member(const JsonValue& object, const char* key, Type type, const std::string& context) const {
    const JsonValue* v = object.Find(key);
    if (!v) Fail(object, context + ": \"" + key + "\" is missing");
    if (!v->Is(type)) {
      JsonValue wanted;
      wanted.type = type;
      Fail(*v, context + ": \"" + key + "\" must be " + wanted.TypeName() + ", not " + v->TypeName());
    }
    return *v;
  }

  void OnlyMembers(const JsonValue& object, std::initializer_list<const char*> allowed,
                   const std::string& context) const {
    for (const auto& member : object.members) {
      bool known = false;
      for (const char* name : allowed) known = known || member.first == name;
      if (!known) Fail(member.second, context + ": unknown member \"" + member.first + "\"");
    }
  }

  std::string Text1252(const JsonValue& v, const std::string& context) const {
    std::string text;
    unsigned bad = 0;
    if (!Utf8To1252(v.text, text, bad)) {
      char cp[16];
      std::snprintf(cp, sizeof cp, "U+%04X", bad);
      Fail(v, context + ": character " + cp + " has no Windows-1252 form");
    }
    return text;
  }

  void Fields(const JsonValue& list, TClientDataSet& ds) const {
    if (!list.Is(Type::Array)) Fail(list, "the fields must be an array, not " + std::string(list.TypeName()));
    if (list.items.empty()) Fail(list, "there are no fields");
    for (size_t i = 0; i < list.items.size(); ++i) {
      const JsonValue& f = list.items[i];
      const std::string context = "field " + std::to_string(i + 1);
      if (!f.Is(Type::Object)) Fail(f, context + " must be an object, not " + f.TypeName());
      OnlyMembers(f, {"name", "kind", "width", "required"}, context);
      const std::string name = Text1252(Member(f, "name", Type::String, context), context);
      const JsonValue& kindValue = Member(f, "kind", Type::String, context);
      const Kind* kind = nullptr;
      for (const Kind& k : kKinds)
        if (kindValue.text == k.name) kind = &k;
      if (!kind) {
        std::string known;
        for (const Kind& k : kKinds) known += std::string(known.empty() ? "" : ", ") + k.name;
        Fail(kindValue, context + ": unknown kind \"" + kindValue.text + "\" (known: " + known + ")");
      }
      int width = 0;
      if (const JsonValue* w = f.Find("width")) {
        if (!w->Is(Type::Number) || w->number != std::floor(w->number) || w->number < 0 || w->number > 65535)
          Fail(*w, context + ": \"width\" must be a whole number from 0 to 65535");
        width = static_cast<int>(w->number);
      }
      if (!HasWidth(kind->type) && width != 0)
        Fail(f, context + ": a " + kind->name + " field has no width (write 0 or leave it out)");
      bool required = false;
      if (const JsonValue* r = f.Find("required")) {
        if (!r->Is(Type::Boolean)) Fail(*r, context + ": \"required\" must be true or false");
        required = r->boolean;
      }
      try {
        ds.FieldDefs().Add(name, kind->type, width, required);
      } catch (const EDatabaseError& e) {
        Fail(f, context + ": " + e.what());
      }
    }
  }

  void Indexes(const JsonValue& list, TClientDataSet& ds) const {
    if (!list.Is(Type::Array)) Fail(list, "\"indexes\" must be an array");
    for (size_t i = 0; i < list.items.size(); ++i) {
      const JsonValue& x = list.items[i];
      const std::string context = "index " + std::to_string(i + 1);
      if (!x.Is(Type::Object)) Fail(x, context + " must be an object");
      OnlyMembers(x, {"name", "fields", "caseInsensitive"}, context);
      const std::string name = Text1252(Member(x, "name", Type::String, context), context);
      const std::string fields = Text1252(Member(x, "fields", Type::String, context), context);
      TIndexOptions options;
      if (const JsonValue* ci = x.Find("caseInsensitive")) {
        if (!ci->Is(Type::Boolean)) Fail(*ci, context + ": \"caseInsensitive\" must be true or false");
        if (ci->boolean) options.Include(ixCaseInsensitive);
      }
      try {
        ds.IndexDefs().Add(name, fields, options);
      } catch (const EDatabaseError& e) {
        Fail(x, context + ": " + e.what());
      }
    }
  }

  void SetValue(TField& field, const JsonValue& v, const std::string& context) const {
    const TFieldType type = field.DataType();
    auto expected = [&](const char* what) { Fail(v, context + ": expected " + what + ", got " + v.TypeName()); };
    if (v.Is(Type::Null)) {
      field.Clear();
      return;
    }
    switch (type) {
      case ftString:
      case ftWideString:
      case ftMemo: {
        if (!v.Is(Type::String)) expected("a text");
        const std::string text = Text1252(v, context);
        if (type != ftMemo && static_cast<int>(text.size()) > field.Size())
          Fail(v, context + ": the text has " + std::to_string(text.size()) + " characters, the width is " +
                      std::to_string(field.Size()));
        field.SetAsString(text);
        return;
      }
      case ftSmallint:
      case ftInteger:
      case ftWord:
      case ftLargeint: {
        if (!v.Is(Type::Number)) expected("a whole number");
        long long whole = 0;
        const auto r = std::from_chars(v.text.data(), v.text.data() + v.text.size(), whole);
        if (r.ec != std::errc() || r.ptr != v.text.data() + v.text.size())
          Fail(v, context + ": " + v.text + " is not a whole number in range");
        field.SetValue(Variant(whole));
        return;
      }
      case ftBoolean:
        if (!v.Is(Type::Boolean)) expected("true or false");
        field.SetAsBoolean(v.boolean);
        return;
      case ftFloat:
      case ftCurrency:
        if (v.Is(Type::String)) {
          if (v.text == "NaN") return field.SetAsFloat(std::nan(""));
          if (v.text == "Infinity") return field.SetAsFloat(HUGE_VAL);
          if (v.text == "-Infinity") return field.SetAsFloat(-HUGE_VAL);
        }
        if (!v.Is(Type::Number)) expected("a number");
        field.SetAsFloat(v.number);
        return;
      case ftDate:
      case ftTime:
      case ftDateTime: {
        if (!v.Is(Type::String)) expected("a text");
        TDateTime when;
        if (!ParseDate(v.text, type, when)) {
          const char* form = type == ftDate ? "YYYY-MM-DD" : type == ftTime ? "hh:nn:ss" : "YYYY-MM-DD hh:nn:ss";
          Fail(v, context + ": \"" + v.text + "\" is not a " + KindName(type) + " (" + form + ")");
        }
        field.SetAsDateTime(when);
        return;
      }
      default: {
        if (!v.Is(Type::String)) expected("a base64 text");
        std::string bytes;
        if (!FromBase64(v.text, bytes)) Fail(v, context + ": not valid base64");
        if (type == ftBytes && static_cast<int>(bytes.size()) > field.Size())
          Fail(v, context + ": " + std::to_string(bytes.size()) + " bytes, the field holds " +
                      std::to_string(field.Size()));
        field.SetValue(Variant::Bytes(std::vector<uint8_t>(bytes.begin(), bytes.end())));
        return;
      }
    }
  }

  void Rows(const JsonValue& list, TClientDataSet& ds) const {
    if (!list.Is(Type::Array)) Fail(list, "the rows must be an array, not " + std::string(list.TypeName()));
    for (size_t r = 0; r < list.items.size(); ++r) {
      const JsonValue& row = list.items[r];
      const std::string context = "row " + std::to_string(r + 1);
      ds.Append();
      if (row.Is(Type::Object)) {
        for (const auto& member : row.members) {
          std::string name;
          unsigned bad = 0;
          TField* field = Utf8To1252(member.first, name, bad) ? ds.FindField(name) : nullptr;
          if (!field) Fail(member.second, context + ": no field named \"" + member.first + "\"");
          Set(*field, member.second, context + ", field '" + member.first + "'");
        }
      } else if (row.Is(Type::Array)) {
        if (static_cast<int>(row.items.size()) != ds.FieldCount())
          Fail(row, context + ": " + std::to_string(row.items.size()) + " values for " +
                        std::to_string(ds.FieldCount()) + " fields");
        for (int f = 0; f < ds.FieldCount(); ++f)
          Set(ds.Fields(f), row.items[static_cast<size_t>(f)],
              context + ", field '" + AnsiToUtf8(ds.Fields(f).FieldName()) + "'");
      } else {
        Fail(row, context + " must be an object or an array, not " + row.TypeName());
      }
      try {
        ds.Post();
      } catch (const EDatabaseError& e) {
        Fail(row, context + ": " + e.what());
      }
    }
  }

 private:
  // The dataset's own checks (ranges, dates) report with the value's place.
  void Set(TField& field, const JsonValue& v, const std::string& context) const {
    try {
      SetValue(field, v, context);
    } catch (const Exception& e) {
      Fail(v, context + ": " + e.what());
    }
  }

  const std::string& file_;
};

}  // namespace

void MakeDataSet(const JsonValue& fields, const std::string& fieldsFile, const JsonValue& rows,
                 const std::string& rowsFile, TClientDataSet& ds) {
  const Maker forFields(fieldsFile);
  const JsonValue* fieldList = &fields;
  if (fields.Is(Type::Object)) {
    forFields.OnlyMembers(fields, {"fields", "indexes", "rows"}, "the document");
    fieldList = &forFields.Member(fields, "fields", Type::Array, "the document");
  }
  forFields.Fields(*fieldList, ds);
  if (fields.Is(Type::Object))
    if (const JsonValue* indexes = fields.Find("indexes")) forFields.Indexes(*indexes, ds);
  try {
    ds.CreateDataSet();
  } catch (const EDatabaseError& e) {
    throw InputError(fieldsFile, e.what());
  }
  ds.SetLogChanges(false);

  const Maker forRows(rowsFile);
  const JsonValue* rowList = &rows;
  if (rows.Is(Type::Object)) rowList = &forRows.Member(rows, "rows", Type::Array, "the document");
  forRows.Rows(*rowList, ds);
}

}  // namespace mdxjson

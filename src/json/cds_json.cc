#include "json/cds_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"

namespace mdxjson {

using namespace mdx;

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

// Date-times as data packets store them: the whole days count toward zero and
// the fraction, whatever the sign, is the time of day (-1.25 is 29 December
// 1899, 06:00).
TDateTime WholeDays(TDateTime value) { return std::trunc(value); }
TDateTime TimeOfDay(TDateTime value) { return std::fabs(value - std::trunc(value)); }

std::string DateText(TDateTime value) {
  int y, m, d;
  DecodeDate(WholeDays(value), y, m, d);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
  return text;
}

std::string TimeText(TDateTime value) {
  int h, n, s, ms;
  DecodeTime(TimeOfDay(value), h, n, s, ms);
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
  value = value < 0 ? value - time : value + time;
  return true;
}

// --- dump ------------------------------------------------------------------------

Json ValueJson(const TField& field) {
  if (field.IsNull()) return nullptr;
  switch (field.DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftLargeint:
    {
      // The field's own digits: a 64-bit value never passes through a double.
      const AnsiString digits = field.AsString();
      long long whole = 0;
      const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
      if (r.ec == std::errc() && r.ptr == digits.data() + digits.size()) return whole;
      return digits;
    }
    case ftBoolean:
      return field.AsBoolean();
    case ftFloat:
    case ftCurrency: {
      const double v = field.AsFloat();
      if (std::isnan(v)) return "NaN";
      if (std::isinf(v)) return v > 0 ? "Infinity" : "-Infinity";
      return v;
    }
    case ftDate:
      return DateText(field.AsDateTime());
    case ftTime:
      return TimeText(field.AsDateTime());
    case ftDateTime:
      return DateText(field.AsDateTime()) + " " + TimeText(field.AsDateTime());
    default:
      if (IsBinary(field.DataType())) return Base64(field.AsString());
      return AnsiToUtf8(field.AsString());
  }
}

}  // namespace

Json DataSetJson(TClientDataSet& ds) {
  Json doc = Json::object();
  Json fields = Json::array();
  for (int f = 0; f < ds.FieldCount(); ++f) {
    const TField& field = ds.Fields(f);
    Json def = {{"name", AnsiToUtf8(field.FieldName())},
                {"kind", KindName(field.DataType())},
                {"width", HasWidth(field.DataType()) ? field.Size() : 0}};
    if (field.Required()) def["required"] = true;
    fields.push_back(std::move(def));
  }
  doc["fields"] = std::move(fields);
  if (ds.IndexDefs().Count()) {
    Json indexes = Json::array();
    for (int i = 0; i < ds.IndexDefs().Count(); ++i) {
      const TIndexDef& def = ds.IndexDefs()[i];
      indexes.push_back({{"name", AnsiToUtf8(def.Name)},
                         {"fields", AnsiToUtf8(def.Fields)},
                         {"caseInsensitive", def.Options.Contains(ixCaseInsensitive)}});
    }
    doc["indexes"] = std::move(indexes);
  }
  Json rows = Json::array();
  for (ds.First(); !ds.Eof(); ds.Next()) {
    Json row = Json::object();
    for (int f = 0; f < ds.FieldCount(); ++f) row[AnsiToUtf8(ds.Fields(f).FieldName())] = ValueJson(ds.Fields(f));
    rows.push_back(std::move(row));
  }
  ds.First();
  doc["rows"] = std::move(rows);
  return doc;
}

namespace {

// A flat object on one line with a space after each colon and comma.
std::string Line(const Json& object) {
  std::string out;
  for (const auto& member : object.items())
    out += (out.empty() ? "{" : ", ") + JsonQuote(member.key()) + ": " + JsonText(member.value());
  return out.empty() ? "{}" : out + "}";
}

}  // namespace

// One field and one row a line, as people read and edit it.
std::string DumpDataSet(TClientDataSet& ds) {
  const Json doc = DataSetJson(ds);
  std::string out = "{\n  \"fields\": [";
  bool first = true;
  for (const Json& field : doc["fields"]) {
    out += (first ? "\n    " : ",\n    ") + Line(field);
    first = false;
  }
  out += "\n  ],\n";
  if (doc.contains("indexes")) {
    out += "  \"indexes\": [";
    first = true;
    for (const Json& index : doc["indexes"]) {
      out += (first ? "\n    " : ",\n    ") + Line(index);
      first = false;
    }
    out += "\n  ],\n";
  }
  out += "  \"rows\": [";
  first = true;
  for (const Json& row : doc["rows"]) {
    out += (first ? "\n    " : ",\n    ") + Line(row);
    first = false;
  }
  out += first ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

// --- make ------------------------------------------------------------------------

namespace {

bool IsType(const Json& v, Json::value_t type) {
  if (type == Json::value_t::number_float) return v.is_number();
  return v.type() == type;
}

class Maker {
 public:
  Maker(const std::string& file) : file_(file) {}

  [[noreturn]] void Fail(const std::string& what) const { throw InputError(file_, what); }

  const Json& Member(const Json& object, const char* key, Json::value_t type, const std::string& context) const {
    const auto it = object.find(key);
    if (it == object.end()) Fail(context + ": \"" + key + "\" is missing");
    if (!IsType(*it, type)) {
      const Json wanted(type);
      Fail(context + ": \"" + key + "\" must be " + JsonTypeName(wanted) + ", not " + JsonTypeName(*it));
    }
    return *it;
  }

  void OnlyMembers(const Json& object, std::initializer_list<const char*> allowed,
                   const std::string& context) const {
    for (const auto& member : object.items()) {
      bool known = false;
      for (const char* name : allowed) known = known || member.key() == name;
      if (!known) Fail(context + ": unknown member \"" + member.key() + "\"");
    }
  }

  std::string Text1252(const std::string& utf8, const std::string& context) const {
    std::string text;
    unsigned bad = 0;
    if (!Utf8To1252(utf8, text, bad)) {
      char cp[16];
      std::snprintf(cp, sizeof cp, "U+%04X", bad);
      Fail(context + ": character " + cp + " has no Windows-1252 form");
    }
    return text;
  }
  std::string Text1252(const Json& v, const std::string& context) const {
    return Text1252(v.get_ref<const std::string&>(), context);
  }

  void Fields(const Json& list, TClientDataSet& ds) const {
    if (!list.is_array()) Fail("the fields must be an array, not " + std::string(JsonTypeName(list)));
    if (list.empty()) Fail("there are no fields");
    for (size_t i = 0; i < list.size(); ++i) {
      const Json& f = list[i];
      const std::string context = "field " + std::to_string(i + 1);
      if (!f.is_object()) Fail(context + " must be an object, not " + JsonTypeName(f));
      OnlyMembers(f, {"name", "kind", "width", "required"}, context);
      const std::string name = Text1252(Member(f, "name", Json::value_t::string, context), context);
      const std::string& kindName = Member(f, "kind", Json::value_t::string, context).get_ref<const std::string&>();
      const Kind* kind = nullptr;
      for (const Kind& k : kKinds)
        if (kindName == k.name) kind = &k;
      if (!kind) {
        std::string known;
        for (const Kind& k : kKinds) known += std::string(known.empty() ? "" : ", ") + k.name;
        Fail(context + ": unknown kind \"" + kindName + "\" (known: " + known + ")");
      }
      int width = 0;
      if (const auto w = f.find("width"); w != f.end()) {
        if (!w->is_number_integer() || w->get<long long>() < 0 || w->get<long long>() > 65535)
          Fail(context + ": \"width\" must be a whole number from 0 to 65535");
        width = w->get<int>();
      }
      if (!HasWidth(kind->type) && width != 0)
        Fail(context + ": a " + kind->name + " field has no width (write 0 or leave it out)");
      bool required = false;
      if (const auto r = f.find("required"); r != f.end()) {
        if (!r->is_boolean()) Fail(context + ": \"required\" must be true or false");
        required = r->get<bool>();
      }
      try {
        ds.FieldDefs().Add(name, kind->type, width, required);
      } catch (const EDatabaseError& e) {
        Fail(context + ": " + e.what());
      }
    }
  }

  void Indexes(const Json& list, TClientDataSet& ds) const {
    if (!list.is_array()) Fail("\"indexes\" must be an array");
    for (size_t i = 0; i < list.size(); ++i) {
      const Json& x = list[i];
      const std::string context = "index " + std::to_string(i + 1);
      if (!x.is_object()) Fail(context + " must be an object");
      OnlyMembers(x, {"name", "fields", "caseInsensitive"}, context);
      const std::string name = Text1252(Member(x, "name", Json::value_t::string, context), context);
      const std::string fields = Text1252(Member(x, "fields", Json::value_t::string, context), context);
      TIndexOptions options;
      if (const auto ci = x.find("caseInsensitive"); ci != x.end()) {
        if (!ci->is_boolean()) Fail(context + ": \"caseInsensitive\" must be true or false");
        if (ci->get<bool>()) options.Include(ixCaseInsensitive);
      }
      try {
        ds.IndexDefs().Add(name, fields, options);
      } catch (const EDatabaseError& e) {
        Fail(context + ": " + e.what());
      }
    }
  }

  void SetValue(TField& field, const Json& v, const std::string& context) const {
    const TFieldType type = field.DataType();
    auto expected = [&](const char* what) { Fail(context + ": expected " + what + ", got " + JsonTypeName(v)); };
    if (v.is_null()) {
      field.Clear();
      return;
    }
    switch (type) {
      case ftString:
      case ftWideString:
      case ftMemo: {
        if (!v.is_string()) expected("a text");
        const std::string text = Text1252(v, context);
        if (type != ftMemo && static_cast<int>(text.size()) > field.Size())
          Fail(context + ": the text has " + std::to_string(text.size()) + " characters, the width is " +
               std::to_string(field.Size()));
        field.SetAsString(text);
        return;
      }
      case ftSmallint:
      case ftInteger:
      case ftWord:
      case ftLargeint: {
        // Whole numbers arrive as 64-bit integers, every digit kept.
        if (!v.is_number()) expected("a whole number");
        if (!v.is_number_integer() || (v.is_number_unsigned() && v.get<unsigned long long>() > 9223372036854775807ULL))
          Fail(context + ": " + JsonText(v) + " is not a whole number in range");
        field.SetValue(Variant(v.get<long long>()));
        return;
      }
      case ftBoolean:
        if (!v.is_boolean()) expected("true or false");
        field.SetAsBoolean(v.get<bool>());
        return;
      case ftFloat:
      case ftCurrency:
        if (v.is_string()) {
          const std::string& text = v.get_ref<const std::string&>();
          if (text == "NaN") return field.SetAsFloat(std::nan(""));
          if (text == "Infinity") return field.SetAsFloat(HUGE_VAL);
          if (text == "-Infinity") return field.SetAsFloat(-HUGE_VAL);
        }
        if (!v.is_number()) expected("a number");
        field.SetAsFloat(v.get<double>());
        return;
      case ftDate:
      case ftTime:
      case ftDateTime: {
        if (!v.is_string()) expected("a text");
        const std::string& text = v.get_ref<const std::string&>();
        TDateTime when;
        if (!ParseDate(text, type, when)) {
          const char* form = type == ftDate ? "YYYY-MM-DD" : type == ftTime ? "hh:nn:ss" : "YYYY-MM-DD hh:nn:ss";
          Fail(context + ": \"" + text + "\" is not a " + KindName(type) + " (" + form + ")");
        }
        field.SetAsDateTime(when);
        return;
      }
      default: {
        if (!v.is_string()) expected("a base64 text");
        std::string bytes;
        if (!FromBase64(v.get_ref<const std::string&>(), bytes)) Fail(context + ": not valid base64");
        if (type == ftBytes && static_cast<int>(bytes.size()) > field.Size())
          Fail(context + ": " + std::to_string(bytes.size()) + " bytes, the field holds " +
               std::to_string(field.Size()));
        field.SetValue(Variant::Bytes(std::vector<uint8_t>(bytes.begin(), bytes.end())));
        return;
      }
    }
  }

  void Rows(const Json& list, TClientDataSet& ds) const {
    if (!list.is_array()) Fail("the rows must be an array, not " + std::string(JsonTypeName(list)));
    for (size_t r = 0; r < list.size(); ++r) {
      const Json& row = list[r];
      const std::string context = "row " + std::to_string(r + 1);
      ds.Append();
      if (row.is_object()) {
        for (const auto& member : row.items()) {
          std::string name;
          unsigned bad = 0;
          TField* field = Utf8To1252(member.key(), name, bad) ? ds.FindField(name) : nullptr;
          if (!field) Fail(context + ": no field named \"" + member.key() + "\"");
          Set(*field, member.value(), context + ", field '" + member.key() + "'");
        }
      } else if (row.is_array()) {
        if (static_cast<int>(row.size()) != ds.FieldCount())
          Fail(context + ": " + std::to_string(row.size()) + " values for " + std::to_string(ds.FieldCount()) +
               " fields");
        for (int f = 0; f < ds.FieldCount(); ++f)
          Set(ds.Fields(f), row[static_cast<size_t>(f)],
              context + ", field '" + AnsiToUtf8(ds.Fields(f).FieldName()) + "'");
      } else {
        Fail(context + " must be an object or an array, not " + JsonTypeName(row));
      }
      try {
        ds.Post();
      } catch (const EDatabaseError& e) {
        Fail(context + ": " + e.what());
      }
    }
  }

 private:
  // The dataset's own checks (ranges, dates) report with the value's place.
  void Set(TField& field, const Json& v, const std::string& context) const {
    try {
      SetValue(field, v, context);
    } catch (const Exception& e) {
      Fail(context + ": " + e.what());
    }
  }

  const std::string& file_;
};

}  // namespace

void MakeDataSet(const Json& fields, const std::string& fieldsFile, const Json& rows,
                 const std::string& rowsFile, TClientDataSet& ds) {
  const Maker forFields(fieldsFile);
  const Json* fieldList = &fields;
  if (fields.is_object()) {
    forFields.OnlyMembers(fields, {"fields", "indexes", "rows"}, "the document");
    fieldList = &forFields.Member(fields, "fields", Json::value_t::array, "the document");
  }
  forFields.Fields(*fieldList, ds);
  if (fields.is_object())
    if (const auto indexes = fields.find("indexes"); indexes != fields.end()) forFields.Indexes(*indexes, ds);
  try {
    ds.CreateDataSet();
  } catch (const EDatabaseError& e) {
    throw InputError(fieldsFile, e.what());
  }
  ds.SetLogChanges(false);

  const Maker forRows(rowsFile);
  const Json* rowList = &rows;
  if (rows.is_object()) rowList = &forRows.Member(rows, "rows", Json::value_t::array, "the document");
  forRows.Rows(*rowList, ds);
}

}  // namespace mdxjson

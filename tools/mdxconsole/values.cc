#include "values.h"

#include <cmath>
#include <cstdio>

#include "json/cds_json.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"

namespace mdxconsole {

using mdx::AnsiString;
using mdx::Variant;
using Type = JsonValue::Type;

namespace {
AnsiString g_workFolder;
}  // namespace

void SetWorkFolderText(const AnsiString& folderWithSeparator) { g_workFolder = folderWithSeparator; }

AnsiString TextOf(const JsonValue& value) {
  if (!value.Is(Type::String))
    throw ScriptError(std::string("expected a text, got ") + value.TypeName());
  AnsiString text = mdx::Utf8ToAnsi(value.text);
  // A character without a 1252 form comes back as '?': refuse it rather than
  // send a different text.
  if (mdx::AnsiToUtf8(text) != value.text)
    throw ScriptError("the text " + mdxjson::JsonQuote(value.text) +
                      " has a character that Windows-1252 lacks");
  return mdx::StringReplaceAll(text, "%WORK%", g_workFolder);
}

mdx::TDateTime DateOf(const std::string& text) {
  int d = 0, m = 0, y = 0, hh = 0, nn = 0, ss = 0;
  char tail = 0;
  const int got = std::sscanf(text.c_str(), "%2d/%2d/%4d %2d:%2d:%2d%c", &d, &m, &y, &hh, &nn, &ss, &tail);
  const bool shaped = (got == 3 && text.size() == 10) || got == 5 || got == 6;
  mdx::TDateTime date = 0, time = 0;
  if (!shaped || !mdx::TryEncodeDate(y, m, d, date) || !mdx::TryEncodeTime(hh, nn, ss, 0, time))
    throw ScriptError("\"" + text + "\" is not a date dd/mm/yyyy[ hh:nn:ss]");
  return date + time;
}

namespace {

// The fixed key of the encrypted fields of the host's configuration data
// (the printer configuration file, the application's identification), the
// one the till's set-up and the package share.
constexpr int kConfigCipherKey = 200;

void Encrypt(const JsonValue& names, mdx::TClientDataSet& dataSet) {
  if (!names.Is(Type::Array)) throw ScriptError("a dataset's \"encrypt\" must be an array of field names");
  std::vector<mdx::TField*> fields;
  for (const JsonValue& name : names.items) {
    mdx::TField* field = dataSet.FindField(TextOf(name));
    if (!field) throw ScriptError("\"encrypt\" names no field of the dataset: " + TextOf(name));
    fields.push_back(field);
  }
  for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
    dataSet.Edit();
    for (mdx::TField* field : fields) {
      const AnsiString cipher = Criptografa::Cripto(field->AsString(), kConfigCipherKey);
      if (static_cast<int>(cipher.size()) > field->Size())
        throw ScriptError("the encrypted " + field->FieldName() + " is wider than its field");
      field->SetAsString(cipher);
    }
    dataSet.Post();
  }
  dataSet.First();
}

bool IsRecordObject(const JsonValue& value) {
  if (value.members.size() != 1) return !value.members.empty();
  const std::string& key = value.members[0].first;
  return key != "date" && key != "array" && key != "packet" && key != "empty";
}

}  // namespace

Variant VariantOf(const JsonValue& value, CallContext& context) {
  switch (value.type) {
    case Type::Null:
      return Variant::Null();
    case Type::Boolean:
      return Variant(value.boolean);
    case Type::Number:
      if (std::trunc(value.number) == value.number && std::fabs(value.number) <= 2147483647.0)
        return Variant(static_cast<int>(value.number));
      return Variant(value.number);
    case Type::String:
      return Variant(TextOf(value));
    case Type::Array: {
      std::vector<Variant> items;
      for (const JsonValue& item : value.items) items.push_back(VariantOf(item, context));
      return Variant::ArrayOf(items);
    }
    case Type::Object:
      break;
  }
  if (value.members.empty()) throw ScriptError("an empty object is no value (use {\"empty\": true})");
  if (IsRecordObject(value)) {
    std::vector<Variant> pairs;
    for (const auto& [name, cell] : value.members) {
      if (name.empty()) throw ScriptError("a record name is empty");
      pairs.push_back(mdx::VarArrayOf({Variant(mdx::Utf8ToAnsi(name)), VariantOf(cell, context)}));
    }
    return Variant::ArrayOf(pairs);
  }
  const auto& [key, inner] = value.members[0];
  if (key == "date") {
    if (!inner.Is(Type::String)) throw ScriptError("\"date\" must be a text dd/mm/yyyy[ hh:nn:ss]");
    return Variant::FromDateTime(DateOf(inner.text));
  }
  if (key == "array") {
    if (!inner.Is(Type::Number) || inner.number < 0 || inner.number > 1000 ||
        std::trunc(inner.number) != inner.number)
      throw ScriptError("\"array\" must be a cell count from 0 to 1000");
    const int count = static_cast<int>(inner.number);
    return count == 0 ? Variant::ArrayOf(std::vector<Variant>{}) : Variant::CreateArray(0, count - 1);
  }
  if (key == "packet") {
    mdx::TClientDataSet* dataSet = DataSetOf(inner, context);
    if (!dataSet) return Variant::Null();
    return context.dryRun ? Variant() : dataSet->Data();
  }
  return Variant();  // "empty"
}

mdx::TClientDataSet* DataSetOf(const JsonValue& value, CallContext& context) {
  if (value.Is(Type::Null)) return nullptr;
  if (!value.Is(Type::Object))
    throw ScriptError(std::string("expected a dataset ({\"fields\", \"rows\"}, {\"file\"} or {\"name\"}), got ") +
                      value.TypeName());
  const JsonValue* name = value.Find("name");
  const JsonValue* file = value.Find("file");
  const JsonValue* fields = value.Find("fields");
  const JsonValue* rows = value.Find("rows");
  for (const auto& member : value.members)
    if (member.first != "name" && member.first != "file" && member.first != "fields" && member.first != "rows" &&
        member.first != "encrypt")
      throw ScriptError("a dataset has no member \"" + member.first + "\"");
  if (name && (!name->Is(Type::String) || name->text.empty()))
    throw ScriptError("a dataset's \"name\" must be a text");
  if (file && (fields || rows)) throw ScriptError("a dataset comes from \"file\" or from \"fields\" and \"rows\", not both");
  if (!file && !fields && !rows) {
    if (!name) throw ScriptError("a dataset needs \"fields\" and \"rows\", \"file\" or \"name\"");
    if (context.dryRun) {
      if (!context.declared.count(name->text))
        throw ScriptError("no earlier entry made a dataset named \"" + name->text + "\"");
      context.named[" dry " + name->text] = std::make_unique<mdx::TClientDataSet>();
      return context.named[" dry " + name->text].get();
    }
    return context.named.at(name->text).get();
  }
  if (!file && (!fields || !rows)) throw ScriptError("a dataset needs both \"fields\" and \"rows\"");

  auto dataSet = std::make_unique<mdx::TClientDataSet>(name ? mdx::Utf8ToAnsi(name->text) : "");
  if (file) {
    if (!file->Is(Type::String)) throw ScriptError("a dataset's \"file\" must be a text");
    const std::string path = context.scriptFolder + file->text;
    try {
      dataSet->LoadFromFile(path);
    } catch (const mdx::Exception& e) {
      throw ScriptError("cannot load the dataset file " + path + ": " + e.Message());
    }
  } else {
    try {
      mdxjson::MakeDataSet(*fields, "", *rows, "", *dataSet);
    } catch (const mdxjson::InputError& e) {
      throw ScriptError(std::string("bad dataset: ") + e.what());
    } catch (const mdx::Exception& e) {
      throw ScriptError("bad dataset: " + e.Message());
    }
  }
  if (const JsonValue* encrypt = value.Find("encrypt")) Encrypt(*encrypt, *dataSet);
  const std::string key = name ? name->text : " anonymous " + std::to_string(context.named.size());
  if (name && context.dryRun) context.declared.insert(name->text);
  context.named[key] = std::move(dataSet);
  return context.named[key].get();
}

std::string ShowText(const AnsiString& text) { return mdxjson::JsonQuote(mdx::AnsiToUtf8(text)); }

std::string ShowDate(mdx::TDateTime value) {
  return "\"" + mdx::FormatDateTime("dd/mm/yyyy hh:nn:ss", value) + "\"";
}

std::string ShowNumber(double value) {
  if (!std::isfinite(value)) return value != value ? "\"NaN\"" : (value > 0 ? "\"Infinity\"" : "\"-Infinity\"");
  return mdxjson::JsonNumber(value);
}

namespace {

bool IsRecord(const Variant& value) {
  if (!value.IsArray() || value.Count() == 0) return false;
  for (int i = value.LowBound(); i <= value.HighBound(); ++i) {
    const Variant& pair = value[i];
    if (!pair.IsArray() || pair.Count() != 2 || !pair[pair.LowBound()].IsText()) return false;
  }
  return true;
}

}  // namespace

std::string ShowVariant(const Variant& value) {
  switch (value.Type()) {
    case mdx::VarType::Empty:
      return "{\"empty\": true}";
    case mdx::VarType::Null:
      return "null";
    case mdx::VarType::Boolean:
      return value.AsBoolean() ? "true" : "false";
    case mdx::VarType::Integer:
      return std::to_string(value.AsInteger());
    case mdx::VarType::Double:
      return ShowNumber(value.AsDouble());
    case mdx::VarType::Date:
      return "{\"date\": " + ShowDate(value.AsDateTime()) + "}";
    case mdx::VarType::String:
      return ShowText(value.AsString());
    case mdx::VarType::ByteArray:
      return "{\"packet\": \"" + std::to_string(value.ByteData().size()) + " bytes\"}";
    case mdx::VarType::Array:
      break;
  }
  std::string out;
  if (IsRecord(value)) {
    for (int i = value.LowBound(); i <= value.HighBound(); ++i) {
      const Variant& pair = value[i];
      out += out.empty() ? "{" : ", ";
      out += ShowText(pair[pair.LowBound()].AsString()) + ": " + ShowVariant(pair[pair.LowBound() + 1]);
    }
    return out + "}";
  }
  for (int i = value.LowBound(); i <= value.HighBound(); ++i)
    out += (out.empty() ? "[" : ", ") + ShowVariant(value[i]);
  return out.empty() ? "[]" : out + "]";
}

std::string ShowRows(mdx::TClientDataSet* dataSet, const std::string& indent) {
  if (!dataSet) return indent + "(none)\n";
  if (!dataSet->Active()) return indent + "(closed)\n";
  std::string out;
  for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) {
    std::string row;
    for (int i = 0; i < dataSet->FieldCount(); ++i) {
      mdx::TField& field = dataSet->Fields(i);
      row += row.empty() ? "{" : ", ";
      row += ShowText(field.FieldName()) + ": " + (field.IsNull() ? "null" : ShowText(field.AsString()));
    }
    out += indent + (row.empty() ? "{}" : row + "}") + "\n";
  }
  dataSet->First();
  return out.empty() ? indent + "(no rows)\n" : out;
}

}  // namespace mdxconsole

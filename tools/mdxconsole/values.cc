#include "values.h"

#include <cmath>
#include <cstdio>

#include "json/cds_json.h"
#include "json/variant_json.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"

namespace mdxconsole {

using mdx::AnsiString;
using mdx::Variant;

namespace {
AnsiString g_workFolder;
}  // namespace

void SetWorkFolderText(const AnsiString& folderWithSeparator) { g_workFolder = folderWithSeparator; }

namespace {

// The console's side of the shared value forms: datasets by name, from files
// or built, the work folder in texts, no packets in a dry run.
class ConsoleValues : public mdxjson::ValueContext {
 public:
  explicit ConsoleValues(CallContext& context) : context_(context) {}
  mdx::TClientDataSet* DataSetOf(const JsonValue& value) override { return mdxconsole::DataSetOf(value, context_); }
  AnsiString Expand(const AnsiString& text) override { return mdx::StringReplaceAll(text, "%WORK%", g_workFolder); }
  bool MakesPackets() const override { return !context_.dryRun; }

 private:
  CallContext& context_;
};

}  // namespace

AnsiString TextOf(const JsonValue& value) {
  try {
    return mdx::StringReplaceAll(mdxjson::TextOf(value), "%WORK%", g_workFolder);
  } catch (const mdxjson::ValueError& e) {
    throw ScriptError(e.what());
  }
}

mdx::TDateTime DateOf(const std::string& text) {
  try {
    return mdxjson::DateOf(text);
  } catch (const mdxjson::ValueError& e) {
    throw ScriptError(e.what());
  }
}

namespace {

// The fixed key of the encrypted fields of the host's configuration data
// (the printer configuration file, the application's identification), the
// one the till's set-up and the package share.
constexpr int kConfigCipherKey = 200;

void Encrypt(const JsonValue& names, mdx::TClientDataSet& dataSet) {
  if (!names.is_array()) throw ScriptError("a dataset's \"encrypt\" must be an array of field names");
  std::vector<mdx::TField*> fields;
  for (const JsonValue& name : names) {
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

}  // namespace

Variant VariantOf(const JsonValue& value, CallContext& context) {
  ConsoleValues values(context);
  try {
    return mdxjson::VariantOf(value, values);
  } catch (const mdxjson::ValueError& e) {
    throw ScriptError(e.what());
  }
}

mdx::TClientDataSet* DataSetOf(const JsonValue& value, CallContext& context) {
  if (value.is_null()) return nullptr;
  if (!value.is_object())
    throw ScriptError(std::string("expected a dataset ({\"fields\", \"rows\"}, {\"file\"} or {\"name\"}), got ") +
                      mdxjson::JsonTypeName(value));
  auto find = [&value](const char* key) -> const JsonValue* {
    const auto it = value.find(key);
    return it == value.end() ? nullptr : &*it;
  };
  const JsonValue* name = find("name");
  const JsonValue* file = find("file");
  const JsonValue* fields = find("fields");
  const JsonValue* rows = find("rows");
  for (const auto& member : value.items())
    if (member.key() != "name" && member.key() != "file" && member.key() != "fields" && member.key() != "rows" &&
        member.key() != "encrypt")
      throw ScriptError("a dataset has no member \"" + member.key() + "\"");
  if (name && (!name->is_string() || name->get_ref<const std::string&>().empty()))
    throw ScriptError("a dataset's \"name\" must be a text");
  const std::string nameText = name ? name->get<std::string>() : "";
  if (file && (fields || rows)) throw ScriptError("a dataset comes from \"file\" or from \"fields\" and \"rows\", not both");
  if (!file && !fields && !rows) {
    if (!name) throw ScriptError("a dataset needs \"fields\" and \"rows\", \"file\" or \"name\"");
    if (context.dryRun) {
      if (!context.declared.count(nameText))
        throw ScriptError("no earlier entry made a dataset named \"" + nameText + "\"");
      context.named[" dry " + nameText] = std::make_unique<mdx::TClientDataSet>();
      return context.named[" dry " + nameText].get();
    }
    return context.named.at(nameText).get();
  }
  if (!file && (!fields || !rows)) throw ScriptError("a dataset needs both \"fields\" and \"rows\"");

  auto dataSet = std::make_unique<mdx::TClientDataSet>(name ? mdx::Utf8ToAnsi(nameText) : "");
  if (file) {
    if (!file->is_string()) throw ScriptError("a dataset's \"file\" must be a text");
    const std::string path = context.scriptFolder + file->get<std::string>();
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
  if (const JsonValue* encrypt = find("encrypt")) Encrypt(*encrypt, *dataSet);
  const std::string key = name ? nameText : " anonymous " + std::to_string(context.named.size());
  if (name && context.dryRun) context.declared.insert(nameText);
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
  if (mdxjson::IsRecord(value)) {
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

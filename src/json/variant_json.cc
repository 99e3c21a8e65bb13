#include "json/variant_json.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "json/cds_json.h"
#include "mdx00200/exceptions.h"

namespace mdxjson {

using mdx::AnsiString;
using mdx::Variant;

AnsiString TextOf(const Json& value) {
  if (!value.is_string()) throw ValueError(std::string("expected a text, got ") + JsonTypeName(value));
  const std::string& utf8 = value.get_ref<const std::string&>();
  const AnsiString text = mdx::Utf8ToAnsi(utf8);
  // A character without a 1252 form comes back as '?'.
  if (mdx::AnsiToUtf8(text) != utf8)
    throw ValueError("the text " + JsonQuote(utf8) + " has a character that Windows-1252 lacks");
  return text;
}

mdx::TDateTime DateOf(const std::string& text) {
  int d = 0, m = 0, y = 0, hh = 0, nn = 0, ss = 0;
  char tail = 0;
  const int got = std::sscanf(text.c_str(), "%2d/%2d/%4d %2d:%2d:%2d%c", &d, &m, &y, &hh, &nn, &ss, &tail);
  const bool shaped = (got == 3 && text.size() == 10) || got == 5 || got == 6;
  mdx::TDateTime date = 0, time = 0;
  if (!shaped || !mdx::TryEncodeDate(y, m, d, date) || !mdx::TryEncodeTime(hh, nn, ss, 0, time))
    throw ValueError("\"" + text + "\" is not a date dd/mm/yyyy[ hh:nn:ss]");
  return date + time;
}

namespace {

bool IsRecordObject(const Json& value) {
  if (value.size() != 1) return !value.empty();
  const std::string& key = value.begin().key();
  return key != "date" && key != "array" && key != "packet" && key != "empty";
}

}  // namespace

Variant VariantOf(const Json& value, ValueContext& context) {
  switch (value.type()) {
    case Json::value_t::null:
      return Variant::Null();
    case Json::value_t::boolean:
      return Variant(value.get<bool>());
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: {
      const double number = value.get<double>();
      if (std::trunc(number) == number && std::fabs(number) <= 2147483647.0) return Variant(static_cast<int>(number));
      return Variant(number);
    }
    case Json::value_t::string:
      return Variant(context.Expand(TextOf(value)));
    case Json::value_t::array: {
      std::vector<Variant> items;
      for (const Json& item : value) items.push_back(VariantOf(item, context));
      return Variant::ArrayOf(items);
    }
    case Json::value_t::object:
      break;
    default:
      throw ValueError("a value of an unknown kind");
  }
  if (value.empty()) throw ValueError("an empty object is no value (use {\"empty\": true})");
  if (IsRecordObject(value)) {
    std::vector<Variant> pairs;
    for (const auto& member : value.items()) {
      if (member.key().empty()) throw ValueError("a record name is empty");
      pairs.push_back(mdx::VarArrayOf({Variant(mdx::Utf8ToAnsi(member.key())), VariantOf(member.value(), context)}));
    }
    return Variant::ArrayOf(pairs);
  }
  const std::string& key = value.begin().key();
  const Json& inner = value.begin().value();
  if (key == "date") {
    if (!inner.is_string()) throw ValueError("\"date\" must be a text dd/mm/yyyy[ hh:nn:ss]");
    return Variant::FromDateTime(DateOf(inner.get_ref<const std::string&>()));
  }
  if (key == "array") {
    if (!inner.is_number_integer() || inner.get<long long>() < 0 || inner.get<long long>() > 1000)
      throw ValueError("\"array\" must be a cell count from 0 to 1000");
    const int count = inner.get<int>();
    return count == 0 ? Variant::ArrayOf(std::vector<Variant>{}) : Variant::CreateArray(0, count - 1);
  }
  if (key == "packet") {
    mdx::TClientDataSet* dataSet = context.DataSetOf(inner);
    if (!dataSet) return Variant::Null();
    return context.MakesPackets() ? dataSet->Data() : Variant();
  }
  return Variant();  // "empty"
}

std::string DateText(mdx::TDateTime value) { return mdx::FormatDateTime("dd/mm/yyyy hh:nn:ss", value); }

bool IsRecord(const Variant& value) {
  if (!value.IsArray() || value.Count() == 0) return false;
  for (int i = value.LowBound(); i <= value.HighBound(); ++i) {
    const Variant& pair = value[i];
    if (!pair.IsArray() || pair.Count() != 2 || !pair[pair.LowBound()].IsText()) return false;
  }
  return true;
}

namespace {

Json PacketJson(const Variant& packet) {
  try {
    mdx::TClientDataSet dataSet;
    dataSet.SetData(packet);
    return {{"packet", DataSetJson(dataSet)}};
  } catch (const mdx::Exception&) {
    return {{"packet", nullptr}};
  }
}

}  // namespace

Json JsonOfVariant(const Variant& value) {
  switch (value.Type()) {
    case mdx::VarType::Empty:
    case mdx::VarType::Null:
      return nullptr;
    case mdx::VarType::Boolean:
      return value.AsBoolean();
    case mdx::VarType::Integer:
      return value.AsInteger();
    case mdx::VarType::Double: {
      const double v = value.AsDouble();
      if (std::isfinite(v)) return v;
      return std::isnan(v) ? "NaN" : (v > 0 ? "Infinity" : "-Infinity");
    }
    case mdx::VarType::Date:
      return {{"date", DateText(value.AsDateTime())}};
    case mdx::VarType::String:
      return mdx::AnsiToUtf8(value.AsString());
    case mdx::VarType::ByteArray:
      return PacketJson(value);
    case mdx::VarType::Array:
      break;
  }
  if (IsRecord(value)) {
    Json record = Json::object();
    for (int i = value.LowBound(); i <= value.HighBound(); ++i) {
      const Variant& pair = value[i];
      record[mdx::AnsiToUtf8(pair[pair.LowBound()].AsString())] = JsonOfVariant(pair[pair.LowBound() + 1]);
    }
    return record;
  }
  Json items = Json::array();
  for (int i = value.LowBound(); i <= value.HighBound(); ++i) items.push_back(JsonOfVariant(value[i]));
  return items;
}

}  // namespace mdxjson

// How each C++ parameter type of the package's operations is made from a
// JSON argument of the C interface, and what it gives back after the call.
//
// Arg<T> for a parameter type T has
//   Kind                       the parameter's form, as mdx_operations lists it
//   Store                      what the call owns while it runs
//   Make(json, store, values)  fills the store; ValueError when the argument
//                              does not have the form
//   Pass(store)                the argument as the operation takes it
//   Out(store)                 what an in/out parameter holds after the call,
//                              null for one the operation only reads
// A positional list (const Variant* or const AnsiString* followed by the int
// of its highest index) takes one JSON array; the index is its size - 1.
#pragma once

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "capi/call_values.h"
#include "json/cds_json.h"
#include "mdx00200/string_list.h"

namespace mdxcapi {

using mdxjson::ValueError;

template <typename T>
struct Arg {
  static_assert(sizeof(T) == 0, "the C interface does not know how to make this parameter type");
};

namespace detail {
[[noreturn]] inline void Expected(const char* what, const Json& got) {
  throw ValueError(std::string("expected ") + what + ", got " + mdxjson::JsonTypeName(got));
}
inline Json TextJson(const mdx::AnsiString& text) { return mdx::AnsiToUtf8(text); }
inline Json LinesJson(const mdx::TStringList* list) {
  if (!list) return nullptr;
  Json lines = Json::array();
  for (const mdx::AnsiString& line : list->Lines()) lines.push_back(TextJson(line));
  return lines;
}
}  // namespace detail

template <>
struct Arg<mdx::AnsiString> {
  static constexpr const char* Kind = "text";
  using Store = mdx::AnsiString;
  static void Make(const Json& j, Store& s, CallValues&) { s = mdxjson::TextOf(j); }
  static const Store& Pass(Store& s) { return s; }
  static Json Out(const Store&) { return nullptr; }
};
template <>
struct Arg<const mdx::AnsiString&> : Arg<mdx::AnsiString> {};

template <>
struct Arg<const mdx::WideString&> {
  static constexpr const char* Kind = "text";
  using Store = mdx::WideString;
  static void Make(const Json& j, Store& s, CallValues&) { s = mdx::AnsiToWide(mdxjson::TextOf(j)); }
  static const Store& Pass(Store& s) { return s; }
  static Json Out(const Store&) { return nullptr; }
};

// In/out texts: null starts as "".
template <>
struct Arg<mdx::AnsiString&> {
  static constexpr const char* Kind = "text in/out";
  using Store = mdx::AnsiString;
  static void Make(const Json& j, Store& s, CallValues&) { s = j.is_null() ? "" : mdxjson::TextOf(j); }
  static mdx::AnsiString& Pass(Store& s) { return s; }
  static Json Out(const Store& s) { return detail::TextJson(s); }
};

template <>
struct Arg<int> {
  static constexpr const char* Kind = "integer";
  using Store = int;
  static void Make(const Json& j, Store& s, CallValues&) {
    if (!j.is_number() || std::trunc(j.get<double>()) != j.get<double>() || j.get<double>() < -2147483648.0 ||
        j.get<double>() > 2147483647.0)
      detail::Expected("a whole number", j);
    s = static_cast<int>(j.get<double>());
  }
  static int Pass(Store& s) { return s; }
  static Json Out(const Store&) { return nullptr; }
};

// Numbers; TDateTime is the same type, so a date text is taken as well.
template <>
struct Arg<double> {
  static constexpr const char* Kind = "number or date";
  using Store = double;
  static void Make(const Json& j, Store& s, CallValues&) {
    if (j.is_number()) s = j.get<double>();
    else if (j.is_string()) s = mdxjson::DateOf(j.get_ref<const std::string&>());
    else if (j.is_object() && j.size() == 1 && j.contains("date") && j["date"].is_string())
      s = mdxjson::DateOf(j["date"].get_ref<const std::string&>());
    else detail::Expected("a number or a date", j);
  }
  static double Pass(Store& s) { return s; }
  static Json Out(const Store&) { return nullptr; }
};

template <>
struct Arg<double&> {
  static constexpr const char* Kind = "number or date in/out";
  struct Store {
    double value = 0;
    bool asDate = false;
  };
  static void Make(const Json& j, Store& s, CallValues& v) {
    Arg<double>::Make(j, s.value, v);
    s.asDate = !j.is_number();
  }
  static double& Pass(Store& s) { return s.value; }
  static Json Out(const Store& s) {
    if (s.asDate) return {{"date", mdxjson::DateText(s.value)}};
    return s.value;
  }
};

template <>
struct Arg<bool> {
  static constexpr const char* Kind = "boolean";
  using Store = bool;
  static void Make(const Json& j, Store& s, CallValues&) {
    if (!j.is_boolean()) detail::Expected("true or false", j);
    s = j.get<bool>();
  }
  static bool Pass(Store& s) { return s; }
  static Json Out(const Store&) { return nullptr; }
};

template <>
struct Arg<bool&> {
  static constexpr const char* Kind = "boolean in/out";
  using Store = bool;
  static void Make(const Json& j, Store& s, CallValues& v) { Arg<bool>::Make(j, s, v); }
  static bool& Pass(Store& s) { return s; }
  static Json Out(const Store& s) { return s; }
};

// Variants: records, data packets, result arrays, single values.
template <>
struct Arg<const mdx::Variant&> {
  static constexpr const char* Kind = "value";
  using Store = mdx::Variant;
  static void Make(const Json& j, Store& s, CallValues& v) {
    if (j.is_object()) v.NoteRecord(j);
    s = mdxjson::VariantOf(j, v);
  }
  static const mdx::Variant& Pass(Store& s) { return s; }
  static Json Out(const Store&) { return nullptr; }
};

template <>
struct Arg<mdx::Variant&> {
  static constexpr const char* Kind = "value in/out";
  using Store = mdx::Variant;
  static void Make(const Json& j, Store& s, CallValues& v) {
    if (j.is_object()) v.NoteRecord(j);
    s = mdxjson::VariantOf(j, v);
  }
  static mdx::Variant& Pass(Store& s) { return s; }
  static Json Out(const Store& s) { return mdxjson::JsonOfVariant(s); }
};

// Positional lists: one JSON array (null passes a null pointer). Datasets in
// the list are recorded by their element.
template <>
struct Arg<const mdx::Variant*> {
  static constexpr const char* Kind = "list";
  struct Store {
    std::vector<mdx::Variant> items;
    bool null = false;
  };
  static void Make(const Json& j, Store& s, CallValues& v) {
    if (j.is_null()) {
      s.null = true;
      return;
    }
    if (!j.is_array()) detail::Expected("a positional list (an array)", j);
    const std::string place = v.Place();
    for (size_t i = 0; i < j.size(); ++i) {
      v.SetPlace(place + ", element " + std::to_string(i));
      try {
        s.items.push_back(mdxjson::VariantOf(j[i], v));
      } catch (const ValueError& e) {
        throw ValueError("element " + std::to_string(i) + ": " + e.what());
      }
    }
    v.SetPlace(place);
  }
  static const mdx::Variant* Pass(Store& s) { return s.null || s.items.empty() ? nullptr : s.items.data(); }
  static int HighIndex(const Store& s) { return static_cast<int>(s.items.size()) - 1; }
  static Json Out(const Store&) { return nullptr; }
};

template <>
struct Arg<const mdx::AnsiString*> {
  static constexpr const char* Kind = "list of texts";
  struct Store {
    std::vector<mdx::AnsiString> items;
    bool null = false;
  };
  static void Make(const Json& j, Store& s, CallValues&) {
    if (j.is_null()) {
      s.null = true;
      return;
    }
    if (!j.is_array()) detail::Expected("a list of texts (an array)", j);
    for (size_t i = 0; i < j.size(); ++i) {
      try {
        s.items.push_back(mdxjson::TextOf(j[i]));
      } catch (const ValueError& e) {
        throw ValueError("element " + std::to_string(i) + ": " + e.what());
      }
    }
  }
  static const mdx::AnsiString* Pass(Store& s) { return s.null || s.items.empty() ? nullptr : s.items.data(); }
  static int HighIndex(const Store& s) { return static_cast<int>(s.items.size()) - 1; }
  static Json Out(const Store&) { return nullptr; }
};

// Datasets the operation reads, and those it fills or edits.
template <>
struct Arg<mdx::TClientDataSet*> {
  static constexpr const char* Kind = "dataset";
  using Store = mdx::TClientDataSet*;
  static void Make(const Json& j, Store& s, CallValues& v) { s = v.DataSetOf(j); }
  static mdx::TClientDataSet* Pass(Store& s) { return s; }
  static Json Out(const Store&) { return nullptr; }
};

template <>
struct Arg<mdx::TClientDataSet*&> {
  static constexpr const char* Kind = "dataset in/out";
  using Store = mdx::TClientDataSet*;
  static void Make(const Json& j, Store& s, CallValues& v) { s = v.DataSetOf(j); }
  static mdx::TClientDataSet*& Pass(Store& s) { return s; }
  static Json Out(const Store& s) {
    if (!s || !s->Active()) return nullptr;
    return mdxjson::DataSetJson(*s);
  }
};

// Text lists: an array of texts, or null for no list.
template <>
struct Arg<mdx::TStringList*> {
  static constexpr const char* Kind = "list of lines";
  using Store = std::unique_ptr<mdx::TStringList>;
  static void Make(const Json& j, Store& s, CallValues&) {
    if (j.is_null()) return;
    if (!j.is_array()) detail::Expected("a list of texts (an array) or null", j);
    s = std::make_unique<mdx::TStringList>();
    for (const Json& item : j) s->Add(mdxjson::TextOf(item));
  }
  static mdx::TStringList* Pass(Store& s) { return s.get(); }
  static Json Out(const Store&) { return nullptr; }
};

// A list the operation may create or replace; the call owns what it gets.
template <>
struct Arg<mdx::TStringList*&> {
  static constexpr const char* Kind = "list of lines in/out";
  struct Store {
    std::unique_ptr<mdx::TStringList> given;
    mdx::TStringList* value = nullptr;
    ~Store() {
      if (value != given.get()) delete value;
    }
  };
  static void Make(const Json& j, Store& s, CallValues& v) {
    Arg<mdx::TStringList*>::Make(j, s.given, v);
    s.value = s.given.get();
  }
  static mdx::TStringList*& Pass(Store& s) { return s.value; }
  static Json Out(const Store& s) { return detail::LinesJson(s.value); }
};

}  // namespace mdxcapi

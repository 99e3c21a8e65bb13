// How each C++ parameter type of the package's operations is made from a
// script argument and shown back after the call.
//
// Arg<T> for a parameter type T has
//   Store                          what the console owns for the call
//   Make(json, store, context)     fills the store; ScriptError when the
//                                  argument does not fit the type
//   Pass(store)                    the argument as the operation takes it
//   Show(label, store, context)    adds "label: value" lines for what an
//                                  in/out parameter carries after the call
// A positional list (const Variant* or const AnsiString* followed by the int
// of its highest index) takes one JSON array; the index is its size - 1.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "call_context.h"
#include "values.h"
#include "mdx00200/string_list.h"

namespace mdxconsole {

template <typename T>
struct Arg {
  static_assert(sizeof(T) == 0, "the console does not know how to make this parameter type");
};

namespace detail {
inline bool IsWhole(double v) { return v == static_cast<double>(static_cast<long long>(v)); }
[[noreturn]] inline void Expected(const char* what, const JsonValue& got) {
  throw ScriptError(std::string("expected ") + what + ", got " + mdxjson::JsonTypeName(got));
}
}  // namespace detail

// Texts by value or const reference.
template <>
struct Arg<mdx::AnsiString> {
  using Store = mdx::AnsiString;
  static void Make(const JsonValue& j, Store& s, CallContext&) { s = TextOf(j); }
  static const Store& Pass(Store& s) { return s; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};
template <>
struct Arg<const mdx::AnsiString&> : Arg<mdx::AnsiString> {};

template <>
struct Arg<const mdx::WideString&> {
  using Store = mdx::WideString;
  static void Make(const JsonValue& j, Store& s, CallContext&) { s = mdx::AnsiToWide(TextOf(j)); }
  static const Store& Pass(Store& s) { return s; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

// In/out texts: null starts as "".
template <>
struct Arg<mdx::AnsiString&> {
  struct Store {
    mdx::AnsiString value, before;
  };
  static void Make(const JsonValue& j, Store& s, CallContext&) {
    s.value = j.is_null() ? "" : TextOf(j);
    s.before = s.value;
  }
  static mdx::AnsiString& Pass(Store& s) { return s.value; }
  static void Show(const std::string& label, const Store& s, CallContext& c) {
    if (s.value != s.before) c.shown.push_back(label + ": " + ShowText(s.value));
  }
};

template <>
struct Arg<int> {
  using Store = int;
  static void Make(const JsonValue& j, Store& s, CallContext&) {
    if (!j.is_number() || !detail::IsWhole(j.get<double>()) || j.get<double>() < -2147483648.0 ||
        j.get<double>() > 2147483647.0)
      detail::Expected("a whole number", j);
    s = static_cast<int>(j.get<double>());
  }
  static int Pass(Store& s) { return s; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

// Numbers; TDateTime is the same type, so a date text is taken as well.
template <>
struct Arg<double> {
  using Store = double;
  static void Make(const JsonValue& j, Store& s, CallContext&) {
    if (j.is_number()) s = j.get<double>();
    else if (j.is_string()) s = DateOf(j.get<std::string>());
    else detail::Expected("a number or a date text", j);
  }
  static double Pass(Store& s) { return s; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

template <>
struct Arg<double&> {
  struct Store {
    double value = 0, before = 0;
    bool asDate = false;
  };
  static void Make(const JsonValue& j, Store& s, CallContext& c) {
    Arg<double>::Make(j, s.value, c);
    s.asDate = j.is_string();
    s.before = s.value;
  }
  static double& Pass(Store& s) { return s.value; }
  static void Show(const std::string& label, const Store& s, CallContext& c) {
    if (s.value != s.before) c.shown.push_back(label + ": " + (s.asDate ? ShowDate(s.value) : ShowNumber(s.value)));
  }
};

template <>
struct Arg<bool> {
  using Store = bool;
  static void Make(const JsonValue& j, Store& s, CallContext&) {
    if (!j.is_boolean()) detail::Expected("true or false", j);
    s = j.get<bool>();
  }
  static bool Pass(Store& s) { return s; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

template <>
struct Arg<bool&> {
  struct Store {
    bool value = false, before = false;
  };
  static void Make(const JsonValue& j, Store& s, CallContext& c) {
    Arg<bool>::Make(j, s.value, c);
    s.before = s.value;
  }
  static bool& Pass(Store& s) { return s.value; }
  static void Show(const std::string& label, const Store& s, CallContext& c) {
    if (s.value != s.before) c.shown.push_back(label + ": " + (s.value ? "true" : "false"));
  }
};

// Variants: records, data packets, result arrays, single values.
template <>
struct Arg<const mdx::Variant&> {
  using Store = mdx::Variant;
  static void Make(const JsonValue& j, Store& s, CallContext& c) { s = VariantOf(j, c); }
  static const mdx::Variant& Pass(Store& s) { return s; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

template <>
struct Arg<mdx::Variant&> {
  struct Store {
    mdx::Variant value, before;
  };
  static void Make(const JsonValue& j, Store& s, CallContext& c) {
    s.value = VariantOf(j, c);
    s.before = s.value;
  }
  static mdx::Variant& Pass(Store& s) { return s.value; }
  static void Show(const std::string& label, const Store& s, CallContext& c) {
    if (!(s.value == s.before)) c.shown.push_back(label + ": " + ShowVariant(s.value));
  }
};

// Positional lists: one JSON array (null passes a null pointer).
template <>
struct Arg<const mdx::Variant*> {
  struct Store {
    std::vector<mdx::Variant> items;
    bool null = false;
  };
  static void Make(const JsonValue& j, Store& s, CallContext& c) {
    if (j.is_null()) {
      s.null = true;
      return;
    }
    if (!j.is_array()) detail::Expected("a positional list (an array)", j);
    for (const JsonValue& item : j) s.items.push_back(VariantOf(item, c));
  }
  static const mdx::Variant* Pass(Store& s) { return s.null || s.items.empty() ? nullptr : s.items.data(); }
  static int HighIndex(const Store& s) { return static_cast<int>(s.items.size()) - 1; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

template <>
struct Arg<const mdx::AnsiString*> {
  struct Store {
    std::vector<mdx::AnsiString> items;
    bool null = false;
  };
  static void Make(const JsonValue& j, Store& s, CallContext&) {
    if (j.is_null()) {
      s.null = true;
      return;
    }
    if (!j.is_array()) detail::Expected("a list of texts (an array)", j);
    for (const JsonValue& item : j) s.items.push_back(TextOf(item));
  }
  static const mdx::AnsiString* Pass(Store& s) {
    return s.null || s.items.empty() ? nullptr : s.items.data();
  }
  static int HighIndex(const Store& s) { return static_cast<int>(s.items.size()) - 1; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

// Datasets the operation reads, and those it fills or edits (shown as rows).
template <>
struct Arg<mdx::TClientDataSet*> {
  using Store = mdx::TClientDataSet*;
  static void Make(const JsonValue& j, Store& s, CallContext& c) { s = DataSetOf(j, c); }
  static mdx::TClientDataSet* Pass(Store& s) { return s; }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

template <>
struct Arg<mdx::TClientDataSet*&> {
  using Store = mdx::TClientDataSet*;
  static void Make(const JsonValue& j, Store& s, CallContext& c) { s = DataSetOf(j, c); }
  static mdx::TClientDataSet*& Pass(Store& s) { return s; }
  static void Show(const std::string& label, const Store& s, CallContext& c) {
    if (s) c.shown.push_back(label + " rows:\n" + ShowRows(s, "      "));
  }
};

// Text lists: an array of texts, or null for no list.
template <>
struct Arg<mdx::TStringList*> {
  using Store = std::unique_ptr<mdx::TStringList>;
  static void Make(const JsonValue& j, Store& s, CallContext&) {
    if (j.is_null()) return;
    if (!j.is_array()) detail::Expected("a list of texts (an array) or null", j);
    s = std::make_unique<mdx::TStringList>();
    for (const JsonValue& item : j) s->Add(TextOf(item));
  }
  static mdx::TStringList* Pass(Store& s) { return s.get(); }
  static void Show(const std::string&, const Store&, CallContext&) {}
};

// A list the operation may create or replace; the console owns what it gets.
template <>
struct Arg<mdx::TStringList*&> {
  struct Store {
    std::unique_ptr<mdx::TStringList> given;
    mdx::TStringList* value = nullptr;
    ~Store() {
      if (value != given.get()) delete value;
    }
  };
  static void Make(const JsonValue& j, Store& s, CallContext& c) {
    Arg<mdx::TStringList*>::Make(j, s.given, c);
    s.value = s.given.get();
  }
  static mdx::TStringList*& Pass(Store& s) { return s.value; }
  static void Show(const std::string& label, const Store& s, CallContext& c) {
    if (!s.value) return;
    std::string out;
    for (const mdx::AnsiString& line : s.value->Lines()) out += (out.empty() ? "[" : ", ") + ShowText(line);
    c.shown.push_back(label + ": " + (out.empty() ? "[]" : out + "]"));
  }
};

}  // namespace mdxconsole

// One exported operation of the package as the console calls it: resolved by
// name from the loaded package with the exact type of its header, its
// arguments made from the script's JSON array, its result and its in/out
// parameters shown after the call.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "arguments.h"
#include "operations/argument_layout.h"

namespace mdxconsole {

// What a call gave back: its result as JSON-like text, and whether it
// counts as an error (false, or "" for the text results that signal one).
struct CallResult {
  bool hasValue = false;
  std::string shown;   // "true", "\"000012\"", "3", ...
  JsonValue value;     // the same as a JSON value, for "expect"
  bool failed = false;
};

class Operation {
 public:
  virtual ~Operation() = default;
  // How many JSON arguments the operation takes.
  virtual size_t Arity() const = 0;
  // Makes the arguments (a dry run only checks them) and, unless
  // context.dryRun, calls `symbol`. Raises ScriptError for bad arguments;
  // exceptions of the call itself pass through.
  virtual CallResult Run(void* symbol, const std::vector<JsonValue>& args, CallContext& context) const = 0;
};

namespace detail {

template <typename T>
JsonValue JsonOf(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value;
  } else if constexpr (std::is_arithmetic_v<T>) {
    return static_cast<double>(value);
  } else {
    return mdx::AnsiToUtf8(value);
  }
}

template <typename T>
CallResult ResultOf(const T& value, bool asDate) {
  CallResult r;
  r.hasValue = true;
  if constexpr (std::is_same_v<T, bool>) {
    r.shown = value ? "true" : "false";
    r.failed = !value;
    r.value = JsonOf(value);
  } else if constexpr (std::is_same_v<T, const char*>) {
    const mdx::AnsiString text = value ? value : "";
    r.shown = ShowText(text);
    r.value = JsonOf(text);
  } else if constexpr (std::is_same_v<T, mdx::AnsiString>) {
    r.shown = ShowText(value);
    r.value = JsonOf(value);
  } else if constexpr (std::is_same_v<T, double>) {
    r.shown = asDate ? ShowDate(value) : ShowNumber(value);
    r.value = asDate ? JsonOf(mdx::FormatDateTime("dd/mm/yyyy", value)) : JsonOf(value);
  } else {
    static_assert(std::is_same_v<T, int>, "unexpected result type");
    r.shown = std::to_string(value);
    r.value = JsonOf(value);
  }
  return r;
}

}  // namespace detail

template <typename F>
class Thunk;

template <typename R, typename... A>
class Thunk<R (*)(A...)> : public Operation {
  using Layout = mdxops::ArgumentLayout<A...>;
  using Types = std::tuple<A...>;

 public:
  explicit Thunk(bool dateResult = false) : dateResult_(dateResult) {}

  size_t Arity() const override { return Layout::kArity; }

  CallResult Run(void* symbol, const std::vector<JsonValue>& args, CallContext& context) const override {
    return RunWith(reinterpret_cast<R (*)(A...)>(symbol), args, context, std::index_sequence_for<A...>{});
  }

 private:
  template <size_t I>
  using Param = std::tuple_element_t<I, Types>;

  template <size_t I, typename Stores>
  static void MakeOne(Stores& stores, const std::vector<JsonValue>& args, CallContext& context) {
    if constexpr (Layout::kIndexSlot[I]) {
      std::get<I>(stores) = Arg<Param<I - 1>>::HighIndex(std::get<I - 1>(stores));
    } else {
      try {
        Arg<Param<I>>::Make(args[Layout::kJsonPosition[I]], std::get<I>(stores), context);
      } catch (const ScriptError& e) {
        throw ScriptError("argument " + std::to_string(Layout::kJsonPosition[I] + 1) + ": " + e.what());
      }
    }
  }

  template <size_t... I>
  CallResult RunWith(R (*fn)(A...), const std::vector<JsonValue>& args, CallContext& context,
                     std::index_sequence<I...>) const {
    std::tuple<typename Arg<A>::Store...> stores;
    (MakeOne<I>(stores, args, context), ...);
    CallResult result;
    if (context.dryRun) return result;
    if constexpr (std::is_void_v<R>) {
      fn(Arg<A>::Pass(std::get<I>(stores))...);
    } else {
      result = detail::ResultOf<R>(fn(Arg<A>::Pass(std::get<I>(stores))...), dateResult_);
    }
    (Arg<A>::Show("arg " + std::to_string(Layout::kJsonPosition[I] + 1), std::get<I>(stores), context), ...);
    return result;
  }

  bool dateResult_;
};

template <typename F>
std::unique_ptr<Operation> MakeOperation(bool dateResult = false) {
  return std::make_unique<Thunk<F>>(dateResult);
}

}  // namespace mdxconsole

// One operation of the package as the C interface calls it: its arguments
// made from a JSON array by the exact parameter types of its declaration,
// its result and in/out parameters turned back into JSON.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "capi/arguments.h"
#include "json/variant_json.h"
#include "operations/argument_layout.h"

namespace mdxcapi {

struct CallOutcome {
  Json result;         // the operation's result, null for none
  Json args;           // one element per JSON argument
  bool falseResult = false;
};

class Operation {
 public:
  virtual ~Operation() = default;
  // How many JSON arguments the operation takes, and their forms.
  virtual size_t Arity() const = 0;
  virtual Json ParameterKinds() const = 0;
  // Makes the arguments and calls the operation. ValueError names the
  // argument at fault; exceptions of the operation pass through.
  virtual CallOutcome Call(const Json& args, CallValues& values) const = 0;
};

template <typename F>
class Thunk;

template <typename R, typename... A>
class Thunk<R (*)(A...)> : public Operation {
  using Layout = mdxops::ArgumentLayout<A...>;
  using Types = std::tuple<A...>;

 public:
  Thunk(R (*fn)(A...), bool dateResult) : fn_(fn), dateResult_(dateResult) {}

  size_t Arity() const override { return Layout::kArity; }

  Json ParameterKinds() const override {
    Json kinds = Json::array();
    const char* all[] = {Arg<A>::Kind..., nullptr};
    for (size_t i = 0; i < Layout::kCount; ++i)
      if (!Layout::kIndexSlot[i]) kinds.push_back(all[i]);
    return kinds;
  }

  CallOutcome Call(const Json& args, CallValues& values) const override {
    return CallWith(args, values, std::index_sequence_for<A...>{});
  }

 private:
  template <size_t I>
  using Param = std::tuple_element_t<I, Types>;

  static std::string Label(size_t jsonPosition) { return "argument " + std::to_string(jsonPosition + 1); }

  template <size_t I, typename Stores>
  static void MakeOne(Stores& stores, const Json& args, CallValues& values) {
    if constexpr (Layout::kIndexSlot[I]) {
      std::get<I>(stores) = Arg<Param<I - 1>>::HighIndex(std::get<I - 1>(stores));
    } else {
      values.SetPlace(Label(Layout::kJsonPosition[I]));
      try {
        Arg<Param<I>>::Make(args[Layout::kJsonPosition[I]], std::get<I>(stores), values);
      } catch (const ValueError& e) {
        throw ValueError(Label(Layout::kJsonPosition[I]) + ": " + e.what());
      }
    }
  }

  template <size_t I, typename Stores>
  static void OutOne(const Stores& stores, Json& out) {
    if constexpr (!Layout::kIndexSlot[I]) out.push_back(Arg<Param<I>>::Out(std::get<I>(stores)));
  }

  template <typename T>
  Json ResultJson(const T& value) const {
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, int>) {
      return value;
    } else if constexpr (std::is_same_v<T, const char*>) {
      return mdx::AnsiToUtf8(value ? value : "");
    } else if constexpr (std::is_same_v<T, mdx::AnsiString>) {
      return mdx::AnsiToUtf8(value);
    } else {
      static_assert(std::is_same_v<T, double>, "unexpected result type");
      if (dateResult_) return {{"date", mdxjson::DateText(value)}};
      return std::isfinite(value) ? Json(value) : Json(nullptr);
    }
  }

  template <size_t... I>
  CallOutcome CallWith(const Json& args, CallValues& values, std::index_sequence<I...>) const {
    std::tuple<typename Arg<A>::Store...> stores;
    (MakeOne<I>(stores, args, values), ...);
    CallOutcome outcome;
    if constexpr (std::is_void_v<R>) {
      fn_(Arg<A>::Pass(std::get<I>(stores))...);
    } else {
      const R value = fn_(Arg<A>::Pass(std::get<I>(stores))...);
      outcome.result = ResultJson(value);
      if constexpr (std::is_same_v<R, bool>) outcome.falseResult = !value;
    }
    outcome.args = Json::array();
    (OutOne<I>(stores, outcome.args), ...);
    return outcome;
  }

  R (*fn_)(A...);
  bool dateResult_;
};

template <typename F>
std::unique_ptr<Operation> MakeOperation(F fn, bool dateResult = false) {
  return std::make_unique<Thunk<F>>(fn, dateResult);
}

}  // namespace mdxcapi

#include "script.h"

#include "values.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdxconsole {

using mdxjson::JsonValue;
using Type = JsonValue::Type;

std::string ScriptEntry::Describe() const {
  std::string what = op.empty() ? (console.empty() ? "" : "console " + console) : op;
  return "entry " + std::to_string(number) + " (line " + std::to_string(line) + (what.empty() ? "" : ", " + what) + ")";
}

namespace {

ScriptEntry ReadEntry(const JsonValue& j, int number) {
  ScriptEntry entry;
  entry.number = number;
  entry.line = j.line;
  entry.raw = j;
  auto fail = [&entry](const std::string& what) -> ScriptError {
    return ScriptError(entry.Describe() + ": " + what);
  };
  if (!j.Is(Type::Object)) throw fail(std::string("an entry must be an object, not ") + j.TypeName());
  const JsonValue* op = j.Find("op");
  const JsonValue* console = j.Find("console");
  if (op && console) throw fail("an entry has \"op\" or \"console\", not both");
  if (!op && !console) throw fail("an entry needs \"op\" (an operation) or \"console\" (a console step)");
  if (op) {
    if (!op->Is(Type::String)) throw fail("\"op\" must be a text");
    entry.op = op->text;
    for (const auto& [key, value] : j.members)
      if (key != "op" && key != "args" && key != "answers" && key != "expect" && key != "note")
        throw fail("unknown member \"" + key + "\"");
    if (const JsonValue* args = j.Find("args")) {
      if (!args->Is(Type::Array)) throw fail("\"args\" must be an array");
      entry.args = args->items;
    }
  } else {
    if (!console->Is(Type::String)) throw fail("\"console\" must be a text");
    entry.console = console->text;
  }
  if (const JsonValue* answers = j.Find("answers")) {
    if (!answers->Is(Type::Array)) throw fail("\"answers\" must be an array of true/false");
    for (const JsonValue& a : answers->items) {
      if (!a.Is(Type::Boolean)) throw fail("\"answers\" must be an array of true/false");
      entry.answers.push_back(a.boolean);
    }
    entry.hasAnswers = true;
  }
  if (const JsonValue* expect = j.Find("expect")) entry.expect = *expect;
  if (const JsonValue* note = j.Find("note")) {
    if (!note->Is(Type::String)) throw fail("\"note\" must be a text");
    entry.note = note->text;
  }
  return entry;
}

}  // namespace

Script LoadScript(const std::string& path) {
  Script script;
  script.path = path;
  const size_t slash = path.find_last_of("/\\");
  script.folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string text;
  try {
    text = mdx::platform::ReadFile(path);
  } catch (const mdx::Exception& e) {
    throw ScriptError(path + ": cannot read the script: " + e.Message());
  }
  JsonValue root;
  try {
    root = mdxjson::ParseJson(text);
  } catch (const mdxjson::JsonError& e) {
    throw ScriptError(path + ":" + e.what());
  }
  try {
    if (!root.Is(Type::Object)) throw ScriptError("the script must be an object with \"calls\"");
    for (const auto& [key, value] : root.members)
      if (key != "clock" && key != "answer" && key != "calls" && key != "title")
        throw ScriptError("unknown member \"" + key + "\" of the script");
    if (const JsonValue* clock = root.Find("clock")) {
      if (!clock->Is(Type::String)) throw ScriptError("\"clock\" must be a text dd/mm/yyyy hh:nn:ss");
      script.clock = DateOf(clock->text);
    }
    if (const JsonValue* answer = root.Find("answer")) {
      if (!answer->Is(Type::Boolean)) throw ScriptError("\"answer\" must be true or false");
      script.defaultAnswer = answer->boolean;
    }
    const JsonValue* calls = root.Find("calls");
    if (!calls || !calls->Is(Type::Array)) throw ScriptError("the script needs \"calls\", an array of entries");
    for (size_t i = 0; i < calls->items.size(); ++i)
      script.entries.push_back(ReadEntry(calls->items[i], static_cast<int>(i + 1)));
  } catch (const ScriptError& e) {
    throw ScriptError(path + ": " + e.what());
  }
  return script;
}

}  // namespace mdxconsole

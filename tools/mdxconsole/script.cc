#include "script.h"

#include "values.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdxconsole {

using JsonValue = mdxjson::Json;

std::string ScriptEntry::Describe() const {
  std::string what = op.empty() ? (console.empty() ? "" : "console " + console) : op;
  return "entry " + std::to_string(number) + (what.empty() ? "" : " (" + what + ")");
}

namespace {

const JsonValue* Find(const JsonValue& object, const char* key) {
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

ScriptEntry ReadEntry(const JsonValue& j, int number) {
  ScriptEntry entry;
  entry.number = number;
  entry.raw = j;
  auto fail = [&entry](const std::string& what) -> ScriptError {
    return ScriptError(entry.Describe() + ": " + what);
  };
  if (!j.is_object()) throw fail(std::string("an entry must be an object, not ") + mdxjson::JsonTypeName(j));
  const JsonValue* op = Find(j, "op");
  const JsonValue* console = Find(j, "console");
  if (op && console) throw fail("an entry has \"op\" or \"console\", not both");
  if (!op && !console) throw fail("an entry needs \"op\" (an operation) or \"console\" (a console step)");
  if (op) {
    if (!op->is_string()) throw fail("\"op\" must be a text");
    entry.op = op->get<std::string>();
    for (const auto& [key, value] : j.items())
      if (key != "op" && key != "args" && key != "answers" && key != "expect" && key != "note")
        throw fail("unknown member \"" + key + "\"");
    if (const JsonValue* args = Find(j, "args")) {
      if (!args->is_array()) throw fail("\"args\" must be an array");
      entry.args.assign(args->begin(), args->end());
    }
  } else {
    if (!console->is_string()) throw fail("\"console\" must be a text");
    entry.console = console->get<std::string>();
  }
  if (const JsonValue* answers = Find(j, "answers")) {
    if (!answers->is_array()) throw fail("\"answers\" must be an array of true/false");
    for (const JsonValue& a : *answers) {
      if (!a.is_boolean()) throw fail("\"answers\" must be an array of true/false");
      entry.answers.push_back(a.get<bool>());
    }
    entry.hasAnswers = true;
  }
  if (const JsonValue* expect = Find(j, "expect")) entry.expect = *expect;
  if (const JsonValue* note = Find(j, "note")) {
    if (!note->is_string()) throw fail("\"note\" must be a text");
    entry.note = note->get<std::string>();
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
    throw ScriptError(path + ": " + e.what());
  }
  try {
    if (!root.is_object()) throw ScriptError("the script must be an object with \"calls\"");
    for (const auto& [key, value] : root.items())
      if (key != "clock" && key != "answer" && key != "calls" && key != "title")
        throw ScriptError("unknown member \"" + key + "\" of the script");
    if (const JsonValue* clock = Find(root, "clock")) {
      if (!clock->is_string()) throw ScriptError("\"clock\" must be a text dd/mm/yyyy hh:nn:ss");
      script.clock = DateOf(clock->get<std::string>());
    }
    if (const JsonValue* answer = Find(root, "answer")) {
      if (!answer->is_boolean()) throw ScriptError("\"answer\" must be true or false");
      script.defaultAnswer = answer->get<bool>();
    }
    const JsonValue* calls = Find(root, "calls");
    if (!calls || !calls->is_array()) throw ScriptError("the script needs \"calls\", an array of entries");
    for (size_t i = 0; i < calls->size(); ++i)
      script.entries.push_back(ReadEntry((*calls)[i], static_cast<int>(i + 1)));
  } catch (const ScriptError& e) {
    throw ScriptError(path + ": " + e.what());
  }
  return script;
}

}  // namespace mdxconsole

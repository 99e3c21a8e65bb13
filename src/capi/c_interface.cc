// The exported functions of mdx00200_c.h. Each one catches everything: no
// C++ exception reaches the host.
#include "mdx00200/mdx00200_c.h"

#include <exception>
#include <new>
#include <string>

#include "capi/callback_services.h"
#include "capi/globals_by_name.h"
#include "capi/operations.h"
#include "capi/text_encoding.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace mdxcapi {
namespace {

using mdxjson::Json;

struct LastError {
  int code = MDX_OK;
  std::string message;  // in the host's encoding
};
LastError g_error;

// The texts each function hands out, valid until its next call.
std::string g_callResult, g_operationsResult, g_globalResult;

void Fail(int code, const std::string& utf8) {
  g_error.code = code;
  g_error.message = Utf8ToHost(utf8);
}

void Succeed() {
  g_error.code = MDX_OK;
  g_error.message.clear();
}

// What the operator would have read during a call that returned false.
std::string RefusalText(const std::vector<mdx::AnsiString>& shown) {
  std::string text;
  for (mdx::AnsiString line : shown) {
    for (char& c : line)
      if (c == '\r' || c == '\n') c = ' ';
    if (line.empty()) continue;
    text += (text.empty() ? "" : " / ") + mdx::AnsiToUtf8(line);
  }
  if (text.empty() && !Mdx00200::stMensagemTaa.empty()) text = mdx::AnsiToUtf8(Mdx00200::stMensagemTaa);
  if (text.empty()) text = "the operation returned false (printer reply \"" + mdx::AnsiToUtf8(Mdx00200::SwedaRet) + "\")";
  return text;
}

// The field or record name a dataset's "Field 'X' not found" or a record's
// "Parâmetro 'X' não encontrado" is about, or "".
mdx::AnsiString MissingField(const mdx::AnsiString& message) {
  for (const mdx::AnsiString& mark : {mdx::AnsiString("Field '"), mdx::Utf8ToAnsi("Parâmetro '")}) {
    const size_t at = message.find(mark);
    if (at == std::string::npos) continue;
    const size_t end = message.find('\'', at + mark.size());
    if (end == std::string::npos) continue;
    const mdx::AnsiString rest = message.substr(end);
    if (rest.rfind("' not found", 0) == 0 || rest.rfind(mdx::Utf8ToAnsi("' não encontrado"), 0) == 0)
      return message.substr(at + mark.size(), end - at - mark.size());
  }
  return "";
}

// A dataset's "Field 'X' not found" names one of the package's own datasets;
// the host knows the argument it passed, so the error names that one.
bool NoteMissingField(const std::string& opName, const std::string& message, const CallValues& values) {
  const mdx::AnsiString field = MissingField(mdx::Utf8ToAnsi(message));
  const std::string lacking = field.empty() ? "" : values.Lacking(field);
  if (lacking.empty()) return false;
  Fail(MDX_ERROR_ARGUMENT, opName + ": " + lacking + ", which the operation needs (" + message + ")");
  return true;
}

void NoteNoSession(const std::string& name) {
  const std::string text = name + ": the printer session has not started (call StartImpFiscal first)";
  try {
    Mdx00200::ImpFisDebug(mdx::Utf8ToAnsi(text));
  } catch (const std::exception&) {
    // The last error still says it when the log cannot be written.
  }
  Fail(MDX_ERROR_NO_SESSION, text);
}

const char* Call(const char* name, const char* arguments) {
  CallbackServices& services = Services();
  services.TakeShown();
  if (!name) {
    Fail(MDX_ERROR_UNKNOWN_NAME, "no operation named (NULL)");
    return nullptr;
  }
  const std::string opName = HostToUtf8(name);
  const OperationEntry* entry = FindOperation(opName);
  if (!entry) {
    Fail(MDX_ERROR_UNKNOWN_NAME, "unknown operation \"" + opName + "\"");
    return nullptr;
  }
  Json args = Json::array();
  const std::string text = HostToUtf8(arguments);
  if (text.find_first_not_of(" \t\r\n") != std::string::npos) {
    try {
      args = mdxjson::ParseJson(text);
    } catch (const mdxjson::JsonError& e) {
      Fail(MDX_ERROR_JSON, opName + ": the arguments are not JSON: " + e.what());
      return nullptr;
    }
  }
  if (!args.is_array()) {
    Fail(MDX_ERROR_ARGUMENT, opName + ": the arguments must be a JSON array, not " + mdxjson::JsonTypeName(args));
    return nullptr;
  }
  if (args.size() != entry->op->Arity()) {
    Fail(MDX_ERROR_ARGUMENT, opName + " takes " + std::to_string(entry->op->Arity()) + " arguments, " +
                                 std::to_string(args.size()) + " given");
    return nullptr;
  }
  const bool noSession = entry->needsSession && !Mdx00200::SwedaEnviaComando;
  CallValues values;
  CallOutcome outcome;
  try {
    outcome = entry->op->Call(args, values);
  } catch (const mdxjson::ValueError& e) {
    Fail(MDX_ERROR_ARGUMENT, opName + ": " + e.what());
    return nullptr;
  } catch (const mdx::Exception& e) {
    if (noSession) NoteNoSession(opName);
    else if (!NoteMissingField(opName, mdx::AnsiToUtf8(e.Message()), values))
      Fail(MDX_ERROR_RAISED, opName + ": " + mdx::AnsiToUtf8(e.Message()));
    return nullptr;
  }
  if (outcome.falseResult && noSession) {
    NoteNoSession(opName);
  } else if (outcome.falseResult) {
    // Operations that catch a dataset's error show it to the operator.
    const std::string refusal = RefusalText(services.TakeShown());
    if (!NoteMissingField(opName, refusal, values)) Fail(MDX_ERROR_REFUSED, opName + ": " + refusal);
  } else {
    Succeed();
  }
  Json result = Json::object();
  result["result"] = std::move(outcome.result);
  result["args"] = std::move(outcome.args);
  g_callResult = Utf8ToHost(mdxjson::JsonText(result));
  return g_callResult.c_str();
}

// Runs body, turning anything it raises into the last error.
template <typename R, typename F>
R Guard(R failed, F body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    Fail(MDX_ERROR_INTERNAL, "out of memory");
  } catch (const std::exception& e) {
    Fail(MDX_ERROR_INTERNAL, mdx::AnsiToUtf8(e.what()));
  } catch (...) {
    Fail(MDX_ERROR_INTERNAL, "an unexpected failure inside the library");
  }
  return failed;
}

}  // namespace
}  // namespace mdxcapi

using namespace mdxcapi;

extern "C" {

int MDX_C_CALL mdx_version(void) { return MDX_C_VERSION; }

int MDX_C_CALL mdx_last_error_code(void) { return g_error.code; }

const char* MDX_C_CALL mdx_last_error_message(void) { return g_error.message.c_str(); }

int MDX_C_CALL mdx_set_encoding(int encoding) {
  if (encoding != MDX_ENCODING_UTF8 && encoding != MDX_ENCODING_CP1252) {
    Fail(MDX_ERROR_ARGUMENT, "unknown encoding " + std::to_string(encoding));
    return MDX_ERROR_ARGUMENT;
  }
  SetCp1252(encoding == MDX_ENCODING_CP1252);
  Succeed();
  return MDX_OK;
}

const char* MDX_C_CALL mdx_call(const char* name, const char* arguments) {
  return Guard<const char*>(nullptr, [&] { return Call(name, arguments); });
}

const char* MDX_C_CALL mdx_operations(void) {
  return Guard<const char*>(nullptr, [] {
    Json list = Json::array();
    for (const OperationEntry& entry : Operations())
      list.push_back({{"name", entry.name}, {"arguments", entry.op->Arity()}, {"parameters", entry.op->ParameterKinds()}});
    g_operationsResult = Utf8ToHost(mdxjson::JsonText(list));
    Succeed();
    return g_operationsResult.c_str();
  });
}

const char* MDX_C_CALL mdx_get_global(const char* name) {
  return Guard<const char*>(nullptr, [&]() -> const char* {
    const std::string global = HostToUtf8(name);
    Json value;
    if (!name || !GlobalByName(global, value)) {
      Fail(MDX_ERROR_UNKNOWN_NAME, "no global named \"" + global + "\"");
      return nullptr;
    }
    g_globalResult = Utf8ToHost(mdxjson::JsonText(value));
    Succeed();
    return g_globalResult.c_str();
  });
}

int MDX_C_CALL mdx_set_host_folder(const char* folder) {
  return Guard<int>(MDX_ERROR_INTERNAL, [&] {
    if (!folder || !*folder) {
      Fail(MDX_ERROR_ARGUMENT, "the host folder is empty");
      return MDX_ERROR_ARGUMENT;
    }
    Services().SetFolder(mdx::platform::IncludeTrailingPathDelimiter(HostToAnsi(folder)));
    Succeed();
    return MDX_OK;
  });
}

void MDX_C_CALL mdx_set_dialog_callback(mdx_dialog_callback callback, void* context) {
  Guard<int>(0, [&] {
    Services().SetDialog(callback, context);
    return 0;
  });
}

void MDX_C_CALL mdx_set_message_callback(mdx_message_callback callback, void* context) {
  Guard<int>(0, [&] {
    Services().SetMessage(callback, context);
    return 0;
  });
}

void MDX_C_CALL mdx_set_pump_callback(mdx_pump_callback callback, void* context) {
  Guard<int>(0, [&] {
    Services().SetPump(callback, context);
    return 0;
  });
}

void MDX_C_CALL mdx_set_delay_callback(mdx_delay_callback callback, void* context) {
  Guard<int>(0, [&] {
    Services().SetDelay(callback, context);
    return 0;
  });
}

}  // extern "C"

#include "runner.h"

#include <exception>

#include "console_steps.h"
#include "operations.h"
#include "values.h"
#include "mdx00200/exceptions.h"

namespace mdxconsole {

namespace {

bool SameJson(const JsonValue& a, const JsonValue& b) {
  if (a.is_number() && b.is_number()) return a.get<double>() == b.get<double>();
  if (a.is_structured() || b.is_structured()) return false;
  return a == b;
}

std::string ShowJson(const JsonValue& j) {
  if (j.is_number()) return ShowNumber(j.get<double>());
  if (j.is_structured()) return mdxjson::JsonTypeName(j);
  return mdxjson::JsonText(j);
}

void CheckCall(const ScriptEntry& entry, mdx::platform::LibraryHandle package, CallContext& context) {
  const OperationEntry* op = FindOperation(entry.op);
  if (!op) throw ScriptError("unknown operation \"" + entry.op + "\"");
  if (!mdx::platform::FindSymbol(package, op->symbol.c_str()))
    throw ScriptError("the package does not export " + op->symbol);
  if (entry.args.size() != op->op->Arity())
    throw ScriptError(entry.op + " takes " + std::to_string(op->op->Arity()) + " arguments, the entry gives " +
                      std::to_string(entry.args.size()));
  if (entry.expect && !entry.expect->is_boolean() && !entry.expect->is_string() && !entry.expect->is_number())
    throw ScriptError("\"expect\" must be true/false, a text or a number");
  op->op->Run(nullptr, entry.args, context);
}

}  // namespace

void CheckScript(const Script& script, mdx::platform::LibraryHandle package) {
  CallContext context;
  context.dryRun = true;
  context.scriptFolder = script.folder;
  for (const ScriptEntry& entry : script.entries) {
    try {
      if (!entry.op.empty()) {
        CheckCall(entry, package, context);
      } else {
        std::vector<std::string> unused;
        if (IsPrinterStep(entry))
          RunPrinterStep(entry, PrinterAccess{}, context, unused);
        else
          RunConsoleStep(entry, "", context, unused);
      }
    } catch (const ScriptError& e) {
      throw ScriptError(script.path + ": " + entry.Describe() + ": " + e.what());
    }
  }
}

RunOutcome RunScript(const Script& script, mdx::platform::LibraryHandle package, ConsoleHost& host,
                     const PrinterAccess& access, const std::string& workFolder, std::FILE* out,
                     std::set<std::string>& written) {
  RunOutcome outcome;
  CallContext context;
  context.scriptFolder = script.folder;
  for (const ScriptEntry& entry : script.entries) {
    const std::string title = entry.op.empty() ? "console " + entry.console : entry.op;
    std::fprintf(out, "[%d] %s%s%s\n", entry.number, title.c_str(), entry.note.empty() ? "" : "  -- ",
                 entry.note.c_str());
    std::fflush(out);
    context.shown.clear();
    host.SetAnswers(entry.answers);
    bool failed = false, matched = true;
    std::string resultLine;
    try {
      if (!entry.op.empty()) {
        const OperationEntry* op = FindOperation(entry.op);
        CallResult result = op->op->Run(mdx::platform::FindSymbol(package, op->symbol.c_str()), entry.args, context);
        failed = result.failed;
        if (result.hasValue) resultLine = "-> " + result.shown;
        if (entry.expect) matched = result.hasValue && SameJson(result.value, *entry.expect);
      } else {
        std::vector<std::string> lines;
        failed = IsPrinterStep(entry) ? !RunPrinterStep(entry, access, context, lines)
                                      : !RunConsoleStep(entry, workFolder, context, lines);
        for (const std::string& line : lines) context.shown.push_back(line);
        resultLine = failed ? "-> failed" : "-> done";
      }
    } catch (const ScriptError& e) {
      // Only a run-time fault of a console step gets here (the arguments were checked).
      failed = true;
      matched = !entry.expect;
      resultLine = std::string("-> step failed: ") + e.what();
    } catch (const std::exception& e) {
      failed = true;
      matched = !entry.expect;
      resultLine = std::string("-> raised: ") + mdx::AnsiToUtf8(e.what());
    }
    for (const std::string& line : host.TakeLines()) std::fprintf(out, "    %s\n", line.c_str());
    if (!resultLine.empty()) std::fprintf(out, "    %s\n", resultLine.c_str());
    for (const std::string& line : context.shown) {
      std::string shown = line;
      while (!shown.empty() && shown.back() == '\n') shown.pop_back();
      std::fprintf(out, "    %s\n", shown.c_str());
    }
    if (host.UnusedAnswers() > 0)
      std::fprintf(out, "    (%zu dialog answers not asked for)\n", host.UnusedAnswers());
    // A false the entry expected is the outcome it asked for, not an error.
    if (failed && !(entry.expect && matched)) ++outcome.errors;
    if (!matched) {
      ++outcome.expectMismatches;
      std::fprintf(out, "    EXPECTED %s\n", ShowJson(*entry.expect).c_str());
    }
    std::fflush(out);
  }
  written.insert(context.written.begin(), context.written.end());
  return outcome;
}

}  // namespace mdxconsole

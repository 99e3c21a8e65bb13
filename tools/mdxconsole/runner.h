// Checks a whole script against the loaded package before anything is sent,
// then runs it entry by entry, showing each call's outcome.
#pragma once

#include <cstdio>
#include <set>
#include <string>

#include "console_host.h"
#include "printer_steps.h"
#include "script.h"
#include "mdx00200/platform.h"

namespace mdxconsole {

// Every entry: a known operation exported by the package, the right number
// of arguments, each of the right type, files readable, dataset names
// defined before use; console steps well formed. Raises ScriptError naming
// the entry and the fault.
void CheckScript(const Script& script, mdx::platform::LibraryHandle package);

struct RunOutcome {
  int errors = 0;          // calls that returned false or raised, failed steps
  int expectMismatches = 0;
};

// Runs the checked script; output goes to `out`. The printer steps work on
// the printer `access` reaches. The files the console's own steps wrote are
// added to `written`.
RunOutcome RunScript(const Script& script, mdx::platform::LibraryHandle package, ConsoleHost& host,
                     const PrinterAccess& access, const std::string& workFolder, std::FILE* out,
                     std::set<std::string>& written);

}  // namespace mdxconsole

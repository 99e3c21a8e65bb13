// RunProgram: runs one of the build's programs (or one copied into a test
// folder) from its folder, as a till or a support person would, and waits
// for it. Standard output goes to `outputFile`, standard error beside it
// (outputFile + ".err"). Returns the exit status, -1 when it could not run.
#pragma once

#include <cstdlib>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "mdx00200/ansi_string.h"

namespace mdx::test {

inline int RunProgram(const AnsiString& folder, const AnsiString& program,
                      const std::vector<AnsiString>& args, const AnsiString& outputFile) {
#ifdef _WIN32
  // cmd.exe: the command must not start with a quote, or cmd drops quotes.
  AnsiString command = "cd /d \"" + folder + "\" && " + program + ".exe";
  for (const AnsiString& arg : args) command += " \"" + arg + "\"";
  command += " > \"" + outputFile + "\" 2> \"" + outputFile + ".err\"";
  return std::system(command.c_str());
#else
  // Without LD_LIBRARY_PATH, libraries come from where the program's own
  // folder says, as for an installed till.
  AnsiString command = "cd '" + folder + "' && env -u LD_LIBRARY_PATH ./" + program;
  for (const AnsiString& arg : args) command += " '" + arg + "'";
  command += " > '" + outputFile + "' 2> '" + outputFile + ".err'";
  const int status = std::system(command.c_str());
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace mdx::test

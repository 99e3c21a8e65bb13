// What one scripted call works with while its arguments are made and shown:
// the script's folder (for ".cds" files), the named datasets that entries
// share, and the lines the call shows after its result.
//
// The console makes every call's arguments twice: once before anything is
// sent (a dry run that only checks them, so a bad script stops before the
// first command), and once right before the call.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "mdx00200/dataset.h"

namespace mdxconsole {

// A fault of the script: what() says what is wrong, without the entry.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CallContext {
  bool dryRun = false;
  std::string scriptFolder;  // with a trailing separator, or ""
  // Datasets by the name an entry gave them; live during the run.
  std::map<std::string, std::unique_ptr<mdx::TClientDataSet>> named;
  // Names declared so far during the dry run.
  std::set<std::string> declared;
  // Files the console's own steps wrote (relative to the work folder), which
  // the summary leaves out.
  std::set<std::string> written;
  // Lines to show below the call's result ("label: value"), in order.
  std::vector<std::string> shown;
};

}  // namespace mdxconsole

// The console's own steps in a script, for what a till's installation does
// outside the package:
//   {"console": "write_cds", "file": "Vendora.cds", "dataset": DATASET}
//       writes a ".cds" file into the work folder (a relative name without
//       ".."), as the till's set-up writes its printer configuration file
//       (DATASET's "encrypt" enciphers its fields, values.h);
//   {"console": "make_folders", "folders": ["Dados/MenuFiscal", ...]}
//       makes folders of the till's installation in the work folder;
//   {"console": "verify_ead", "folders": ["Dados/MenuFiscal", ...]}
//       checks the EAD record of every file under those folders of the work
//       folder with the signature library's validateFile and the build's
//       public key; fails when a file is not validly signed or none is found.
// The steps on the printer itself (set_clock, program_tax_rates,
// detail_memory) are in
// printer_steps.h.
#pragma once

#include <string>
#include <vector>

#include "call_context.h"
#include "script.h"

namespace mdxconsole {

// Checks the step's members (context.dryRun) or runs it, adding the lines it
// shows. Returns false when the step ran and failed. Raises ScriptError for
// a malformed step.
bool RunConsoleStep(const ScriptEntry& entry, const std::string& workFolder, CallContext& context,
                    std::vector<std::string>& lines);

}  // namespace mdxconsole

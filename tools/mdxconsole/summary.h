// The run's summary, from the virtual printer's state before and after the
// run and the files that appeared in the work folder:
//   {"coupons":N,"cancelled":N,"grand_total":X,"gross":X,"z_reductions":N,
//    "files":[...],"errors":N}
// coupons: fiscal coupons issued in the run; cancelled: those of them that
// were cancelled; grand_total: the printer's grand total in reais; gross: the
// gross sales of the run (the days its Z reductions closed and the open
// day); files: the new files of the fiscal menu's folder tree "Dados/" of
// the work folder (relative, "/" separated, sorted) but those the console's
// own steps wrote. The daily sales files go to the machine's "C:\Sweda\RFD"
// and are not listed: on Windows that folder is outside the work folder.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "emulator/virtual_printer.h"

namespace mdxconsole {

struct Baseline {
  size_t detailDocuments = 0;
  size_t zRecords = 0;
  int crz = 0;
  int64_t dayGross = 0;
  size_t tapeLines = 0;
  std::set<std::string> files;
};

// Every file under folder, relative and "/" separated.
std::set<std::string> FilesUnder(const std::string& folder);

// From the printer's state as held in memory (RecentState): counts of the
// tape and the detail memory include what is on disk (the bases).
Baseline TakeBaseline(const mdx::emulator::PrinterState& state, const std::string& workFolder);

// The fiscal menu's files that are new since the baseline; `ignored` are
// relative names left out.
std::vector<std::string> NewFiles(const Baseline& baseline, const std::string& workFolder,
                                  const std::set<std::string>& ignored);

// `state` holds the run's detail records only (from the baseline's count on).
std::string SummaryLine(const Baseline& baseline, const mdx::emulator::PrinterState& state,
                        const std::vector<std::string>& files, int errors);

}  // namespace mdxconsole

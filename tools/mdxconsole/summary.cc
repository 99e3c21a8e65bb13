#include "summary.h"

#include <filesystem>
#include <system_error>

#include "json/json_text.h"

namespace mdxconsole {

namespace fs = std::filesystem;
using mdx::emulator::DetailKind;

std::set<std::string> FilesUnder(const std::string& folder) {
  std::set<std::string> files;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    if (it->is_regular_file(error)) files.insert(fs::relative(it->path(), folder, error).generic_string());
  }
  return files;
}

Baseline TakeBaseline(const mdx::emulator::PrinterState& state, const std::string& workFolder) {
  Baseline b;
  b.detailDocuments = static_cast<size_t>(state.detailBase) + state.detail.size();
  b.zRecords = state.fiscalMemory.size();
  b.crz = state.counters.crz;
  b.dayGross = state.day.grossSales;
  b.tapeLines = static_cast<size_t>(state.tapeBase) + state.tape.size();
  b.files = FilesUnder(workFolder);
  return b;
}

std::vector<std::string> NewFiles(const Baseline& baseline, const std::string& workFolder,
                                  const std::set<std::string>& ignored) {
  std::vector<std::string> files;
  for (const std::string& file : FilesUnder(workFolder)) {
    const bool menuFile = file.rfind("Dados/", 0) == 0;
    if (menuFile && !baseline.files.count(file) && !ignored.count(file)) files.push_back(file);
  }
  return files;
}

namespace {

// Cents as reais with two decimals ("1234.50").
std::string Reais(int64_t cents) {
  const char* sign = cents < 0 ? "-" : "";
  if (cents < 0) cents = -cents;
  std::string decimals = std::to_string(cents % 100);
  if (decimals.size() < 2) decimals = "0" + decimals;
  return sign + std::to_string(cents / 100) + "." + decimals;
}

}  // namespace

std::string SummaryLine(const Baseline& baseline, const mdx::emulator::PrinterState& state,
                        const std::vector<std::string>& files, int errors) {
  int coupons = 0, cancelled = 0;
  for (const mdx::emulator::DetailDocument& document : state.detail) {
    if (document.kind != DetailKind::kFiscalCoupon) continue;
    ++coupons;
    if (document.cancelled) ++cancelled;
  }
  int64_t gross = state.day.grossSales - baseline.dayGross;
  for (size_t i = baseline.zRecords; i < state.fiscalMemory.size(); ++i) gross += state.fiscalMemory[i].grossSales;
  std::string list;
  for (const std::string& file : files) list += (list.empty() ? "" : ",") + mdxjson::JsonQuote(file);
  return "{\"coupons\":" + std::to_string(coupons) + ",\"cancelled\":" + std::to_string(cancelled) +
         ",\"grand_total\":" + Reais(state.grandTotal) + ",\"gross\":" + Reais(gross) +
         ",\"z_reductions\":" + std::to_string(state.counters.crz - baseline.crz) + ",\"files\":[" + list +
         "],\"errors\":" + std::to_string(errors) + "}";
}

}  // namespace mdxconsole

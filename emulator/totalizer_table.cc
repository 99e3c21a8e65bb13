#include "emulator/totalizer_table.h"

#include "emulator/status_codes.h"
#include "emulator/table_entries.h"

namespace mdx::emulator {

namespace {
bool IsMarker(char c) { return c == '&' || c == '+' || c == '-'; }
}  // namespace

AnsiString TotalizerEntry(const Totalizer& totalizer) {
  if (IsFree(totalizer)) return AnsiString(kTotalizerEntryWidth, ' ');
  return totalizer.marker + BlankFilled(totalizer.name, kTotalizerNameWidth);
}

bool IsFree(const Totalizer& totalizer) { return TrimRight(totalizer.name).empty(); }

std::string_view AddTotalizers(TotalizerTable& table, std::string_view entries) {
  const std::optional<std::vector<AnsiString>> texts = SplitEntries(entries, kTotalizerEntryWidth);
  if (!texts) return kStatusBadParameters;
  TotalizerTable changed = table;
  for (const AnsiString& text : *texts) {
    const std::optional<ProgrammedEntry> entry = ReadEntry(text);
    if (!entry || !IsMarker(entry->lead)) return kStatusBadParameters;
    bool present = false;
    Totalizer* free = nullptr;
    for (Totalizer& totalizer : changed) {
      if (IsFree(totalizer)) {
        if (!free) free = &totalizer;
      } else if (totalizer.marker == entry->lead && SameName(totalizer.name, entry->name)) {
        present = true;
      }
    }
    if (present) continue;
    if (!free) return kStatusTableFull;
    *free = {entry->lead, entry->name};
  }
  table = changed;
  return kStatusOk;
}

AnsiString TotalizerProblem(const Totalizer& totalizer) {
  if (totalizer == Totalizer{}) return "";
  if (!IsMarker(totalizer.marker)) return "the marker must be '&', '+' or '-'";
  return NameProblem(totalizer.name, kTotalizerNameWidth);
}

}  // namespace mdx::emulator

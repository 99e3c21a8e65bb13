#include "emulator/table_entries.h"

namespace mdx::emulator {

namespace {
// A lead character and at least one name character.
constexpr size_t kShortestEntry = 2;
}  // namespace

std::optional<std::vector<AnsiString>> SplitEntries(std::string_view list, size_t width) {
  std::vector<AnsiString> entries;
  while (!list.empty()) {
    std::string_view piece = list.substr(0, width);
    if (piece.size() < kShortestEntry) return std::nullopt;
    entries.push_back(BlankFilled(piece, width));
    list.remove_prefix(piece.size());
  }
  return entries;
}

std::optional<ProgrammedEntry> ReadEntry(std::string_view entry) {
  for (char c : entry) {
    if (!IsPrintable(c)) return std::nullopt;
  }
  if (entry.empty() || entry[0] == ' ') return std::nullopt;
  ProgrammedEntry read;
  read.lead = entry[0];
  read.name = TrimRight(AnsiString(entry.substr(1)));
  if (read.name.empty()) return std::nullopt;
  return read;
}

bool SameName(std::string_view a, std::string_view b) {
  return AnsiSameText(TrimRight(AnsiString(a)), TrimRight(AnsiString(b)));
}

AnsiString BlankFilled(std::string_view text, size_t width) {
  AnsiString filled(text.substr(0, width));
  filled.resize(width, ' ');
  return filled;
}

AnsiString NameProblem(std::string_view name, size_t width) {
  if (name.empty()) return "the name is empty";
  if (name.size() > width) return "the name is longer than " + std::to_string(width);
  for (char c : name) {
    if (!IsPrintable(c)) return "the name holds a control character";
  }
  if (name.back() == ' ') return "the name ends with a blank";
  return "";
}

bool IsPrintable(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte != 0x7F;
}

}  // namespace mdx::emulator

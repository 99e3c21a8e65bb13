#include "emulator/view/tape_documents.h"

#include <algorithm>

namespace mdx::emulator::view {

namespace {

// The rule that opens and ends every document: the tape's width in "=".
bool IsDocumentRule(const AnsiString& line, int width) {
  return static_cast<int>(line.size()) == width &&
         line.find_first_not_of('=') == AnsiString::npos;
}

}  // namespace

std::vector<TapeDocument> SplitTape(const std::vector<AnsiString>& lines, int64_t firstLine,
                                    int64_t openFrom, int width) {
  const int64_t count = static_cast<int64_t>(lines.size());
  // Lines [0, closedEnd) are closed documents; the rest is the open one.
  int64_t closedEnd = count;
  if (openFrom >= 0) closedEnd = std::clamp<int64_t>(openFrom - firstLine, 0, count);

  // Backwards: `inside` while between a document's end rule and its opening.
  std::vector<TapeDocument> reversed;
  bool inside = false;
  bool loose = false;  // the current group holds lines printed between documents
  for (int64_t k = closedEnd - 1; k >= 0; --k) {
    const AnsiString& line = lines[static_cast<size_t>(k)];
    const bool rule = IsDocumentRule(line, width);
    if (!inside && (rule || !loose || reversed.empty())) {
      reversed.emplace_back();
      loose = !rule;
      inside = rule;
      reversed.back().lines.push_back(line);
      continue;
    }
    reversed.back().lines.push_back(line);
    if (inside && rule) inside = false;
  }

  std::vector<TapeDocument> documents;
  for (auto it = reversed.rbegin(); it != reversed.rend(); ++it) {
    std::reverse(it->lines.begin(), it->lines.end());
    documents.push_back(std::move(*it));
  }
  if (closedEnd < count) {
    TapeDocument open;
    open.open = true;
    open.lines.assign(lines.begin() + closedEnd, lines.end());
    documents.push_back(std::move(open));
  }
  return documents;
}

}  // namespace mdx::emulator::view

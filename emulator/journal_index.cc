#include "emulator/journal_index.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "emulator/detail_codec.h"
#include "emulator/journal_reader.h"
#include "emulator/state_lines.h"

namespace mdx::emulator {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file) std::fclose(file);
  }
};
using ReadOnlyFile = std::unique_ptr<std::FILE, FileCloser>;

void IgnoreDamage(int64_t, int64_t, const AnsiString&) {}

// The last mark at or before `index` (of tape lines or detail records).
std::vector<JournalIndex::Mark>::const_iterator MarkBefore(
    const std::vector<JournalIndex::Mark>& marks, bool tape, int64_t index) {
  auto after = std::upper_bound(marks.begin(), marks.end(), index,
                                [tape](int64_t value, const JournalIndex::Mark& mark) {
                                  return value < (tape ? mark.tapeLines : mark.detailRecords);
                                });
  return after == marks.begin() ? marks.end() : after - 1;
}

}  // namespace

JournalIndex::RecordKey KeyOf(const DetailDocument& record) {
  return {record.coo, static_cast<int>(record.issued)};
}

void JournalIndex::NoteRecordAt(int64_t offset) {
  if (marks.empty() || offset - marks.back().offset >= kMarkSpacing) {
    marks.push_back({offset, tapeLines, DetailCount()});
  }
}

std::vector<AnsiString> JournalIndex::TapeLines(int64_t first, int64_t end) const {
  std::vector<AnsiString> lines;
  end = std::min(end, tapeLines);
  const auto mark = MarkBefore(marks, true, first);
  if (first >= end || mark == marks.end()) return lines;
  ReadOnlyFile file(std::fopen(path.c_str(), "rb"));
  JournalReader reader(file.get(), mark->offset, committed, IgnoreDamage);
  JournalEntry entry;
  while (reader.Next(entry)) {
    if (entry.type != JournalType::kTape) continue;
    StateReader text(entry.payload);
    int64_t from = 0;
    if (!text.Number("tape_from", 0, int64_t{1} << 50, from)) continue;
    if (from >= end) break;
    std::string_view line;
    for (int64_t at = from; at < end && text.Next(line); ++at) {
      AnsiString printed;
      if (at < first || line.empty() || line[0] != '|' || !UnescapeText(line.substr(1), printed))
        continue;
      lines.push_back(std::move(printed));
    }
  }
  return lines;
}

DetailMemory JournalIndex::DetailRecords(int64_t first, int64_t end) const {
  DetailMemory records;
  end = std::min(end, DetailCount());
  const auto mark = MarkBefore(marks, false, first);
  if (first >= end || mark == marks.end()) return records;
  ReadOnlyFile file(std::fopen(path.c_str(), "rb"));
  JournalReader reader(file.get(), mark->offset, committed, IgnoreDamage);
  JournalEntry entry;
  while (reader.Next(entry)) {
    if (entry.type != JournalType::kDetail) continue;
    StateReader text(entry.payload);
    int position = 0;
    DetailDocument record;
    if (!DecodeDetailRecord(text, position, record) || !text.End()) continue;
    if (position > end) break;
    if (position > first) records.push_back(std::move(record));
  }
  return records;
}

}  // namespace mdx::emulator

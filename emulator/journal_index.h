// Where things are in a journal: enough to read a range of the tape or of
// the detail memory without reading what comes before it. A copy of the
// index reads the journal as it stood when copied, since the journal only
// grows. Included by virtual_printer.h, so its includes name files alone.
#pragma once

#include <cstdint>
#include <vector>

#include "detail_memory.h"
#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

struct JournalIndex {
  // How many tape lines and detail records come before `offset`: one mark
  // every kMarkSpacing bytes, so a reader starts near what it wants.
  struct Mark {
    int64_t offset = 0;
    int64_t tapeLines = 0;
    int64_t detailRecords = 0;
  };
  // What selects a detail record: its COO and the day it was issued.
  struct RecordKey {
    int coo = 0;
    int day = 0;  // whole days since 30 December 1899
  };
  static constexpr int64_t kMarkSpacing = 64 * 1024;

  AnsiString path;         // "" when there is no journal
  int64_t committed = 0;   // bytes that count
  int64_t tapeLines = 0;   // lines it holds
  std::vector<Mark> marks;
  std::vector<RecordKey> keys;  // one per detail record it holds

  int64_t DetailCount() const { return static_cast<int64_t>(keys.size()); }
  // Notes a record about to be appended at `offset` (a mark when due).
  void NoteRecordAt(int64_t offset);

  // Tape lines [first, end) and detail records [first, end); fewer when the
  // journal holds fewer (damage set aside). The cost follows the range.
  std::vector<AnsiString> TapeLines(int64_t first, int64_t end) const;
  DetailMemory DetailRecords(int64_t first, int64_t end) const;
};

// The key of a record.
JournalIndex::RecordKey KeyOf(const DetailDocument& record);

}  // namespace mdx::emulator

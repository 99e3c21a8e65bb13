// Reading a journal's records back, checking each one's checksum. Damage is
// reported, not fatal: a record whose checksum does not match is set aside
// and reading goes on after it; a length that cannot be right ends the
// reading, the rest being set aside.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "emulator/journal_format.h"
#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

struct JournalEntry {
  JournalType type = JournalType::kTape;
  int64_t offset = 0;  // where its header starts
  std::string payload;
};

class JournalReader {
 public:
  // Reads `file` from byte `from` up to byte `end` (not beyond it). The file
  // stays the caller's. `damage` hears of each damaged stretch: its offset,
  // its length in bytes and why.
  using DamageSink = std::function<void(int64_t offset, int64_t bytes, const AnsiString& why)>;
  JournalReader(std::FILE* file, int64_t from, int64_t end, DamageSink damage);

  // The next intact record; false at the end.
  bool Next(JournalEntry& entry);
  // Where the next record starts.
  int64_t Offset() const { return at_; }

 private:
  bool Read(void* into, size_t bytes);

  std::FILE* file_;
  int64_t at_;
  int64_t end_;
  DamageSink damage_;
};

}  // namespace mdx::emulator

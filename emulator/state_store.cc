#include "emulator/state_store.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "emulator/detail_codec.h"
#include "emulator/fiscal_memory_codec.h"
#include "emulator/journal_reader.h"
#include "emulator/state_codec.h"
#include "emulator/state_lines.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace mdx::emulator {

namespace {

constexpr char kPrefix[] = "virtual printer: state file '";
// Tape lines per record when a whole tape is written at once.
constexpr size_t kLinesPerRecord = 4096;

// Keeps the damaged bytes in path + ".damaged" and removes the file, so the
// fresh printer's first save does not destroy them. A copy and a removal,
// because platform::ReplaceFile does not link in the Windows build yet
// (windows.h turns its name into ReplaceFileA).
LoadResult Damaged(const AnsiString& path, const AnsiString& reason, const std::string* bytes) {
  const AnsiString aside = path + ".damaged";
  AnsiString what = "could not be moved aside";
  if (bytes) {
    try {
      platform::WriteFileAtomically(aside, *bytes);
      platform::RemoveFile(path);
      what = "moved to '" + aside + "'";
    } catch (const Exception& e) {
      what += " (" + e.Message() + ")";
    }
  }
  return {LoadOutcome::kDamaged,
          {kPrefix + path + "' is damaged (" + reason + "); it was " + what +
           "; starting a fresh printer"}};
}

// Something that is not a file (a folder, most likely) where the state file
// should be: it is renamed aside whole, so the fresh printer can save.
LoadResult NotAFile(const AnsiString& path) {
  const AnsiString aside = path + ".damaged";
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(path), std::filesystem::path(aside), error);
  const AnsiString what = error ? "could not be moved aside (" + AnsiString(error.message()) + ")"
                                : "moved to '" + aside + "'";
  return {LoadOutcome::kDamaged, {kPrefix + path + "' is damaged (not a file); it was " + what +
                                  "; starting a fresh printer"}};
}

AnsiString Beside(const AnsiString& path, const AnsiString& name) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return (folder / std::filesystem::path(name)).string();
}

AnsiString FileName(const AnsiString& path) {
  return std::filesystem::path(path).filename().string();
}

bool Exists(const AnsiString& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(path), error);
}

// A journal name beside the state file that no file holds yet.
AnsiString FreshJournalName(const AnsiString& path) {
  const AnsiString base = FileName(path) + ".journal.";
  for (int n = 1;; ++n) {
    const AnsiString name = base + std::to_string(n);
    if (!Exists(Beside(path, name))) return name;
  }
}

// The first tape line of a tape record and how many it holds.
bool TapeSpan(const std::string& payload, int64_t& from, int64_t& count) {
  const size_t end = payload.find('\n');
  StateReader reader(std::string_view(payload).substr(0, end == std::string::npos ? 0 : end + 1));
  if (end == std::string::npos || !reader.Number("tape_from", 0, int64_t{1} << 50, from)) {
    return false;
  }
  count = static_cast<int64_t>(std::count(payload.begin() + static_cast<long>(end) + 1,
                                          payload.end(), '\n'));
  return true;
}

bool ZRecordOf(const std::string& payload, int& position, ZRecord& record) {
  StateReader reader(payload);
  position = 0;
  return DecodeZRecord(reader, position, record) && reader.End();
}

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file) std::fclose(file);
  }
};
using ReadOnlyFile = std::unique_ptr<std::FILE, FileCloser>;

int64_t RecordSize(const JournalEntry& entry) {
  return static_cast<int64_t>(kJournalHeaderSize + entry.payload.size());
}

int64_t FileSize(const AnsiString& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(std::filesystem::path(path), error);
  return error ? -1 : static_cast<int64_t>(size);
}

}  // namespace

AnsiString StateStore::JournalPath() const {
  return journalName_.empty() ? AnsiString() : Beside(path_, journalName_);
}

LoadResult StateStore::Load(PrinterState& state, LoadMode mode) {
  if (!platform::FileExists(path_)) {
    std::error_code probe;
    if (std::filesystem::exists(std::filesystem::path(path_), probe)) return NotAFile(path_);
    return {LoadOutcome::kMissing,
            {kPrefix + path_ + "' not found; starting a fresh printer (saved at its first change)"}};
  }
  std::string text;
  try {
    text = platform::ReadFile(path_);
  } catch (const Exception& e) {
    return Damaged(path_, e.Message(), nullptr);
  }
  PrinterState loaded;
  AnsiString error;
  StateFileFacts facts;
  if (!DecodeState(text, loaded, error, &facts)) return Damaged(path_, error, &text);
  LoadResult result{LoadOutcome::kLoaded, {}};
  if (facts.journalFile.empty()) {
    // The whole history in one file, as written before the journal.
    if (mode == LoadMode::kForWriting) Convert(loaded, facts.version, result);
    state = std::move(loaded);
    return result;
  }
  journalName_ = facts.journalFile;
  index_ = JournalIndex{};
  index_.path = JournalPath();
  index_.committed = facts.journalLength;
  Scan(loaded, result, mode);
  state = std::move(loaded);
  return result;
}

bool StateStore::Convert(PrinterState& state, int version, LoadResult& result) {
  const AnsiString kept = path_ + ".v" + std::to_string(version);
  AnsiString error;
  try {
    platform::WriteFileAtomically(kept, platform::ReadFile(path_));
  } catch (const Exception& e) {
    error = e.Message();
  }
  if (error.empty() && Replace(state, error)) {
    result.messages.push_back(kPrefix + path_ + "' was of version " + std::to_string(version) +
                              "; converted to a state file and its journal '" + JournalPath() +
                              "'; the old file is kept as '" + kept + "'");
    return true;
  }
  result.messages.push_back(kPrefix + path_ + "' of version " + std::to_string(version) +
                            " could not be converted (" + error +
                            "); it stays as it was and the printer keeps its state in memory "
                            "until it can save");
  return false;
}

void StateStore::Scan(PrinterState& state, LoadResult& result, LoadMode mode) {
  const AnsiString journal = JournalPath();
  const int64_t committed = index_.committed;
  index_.tapeLines = 0;
  index_.marks.clear();
  index_.keys.clear();
  state.fiscalMemory.clear();
  int64_t damagedBytes = 0;
  AnsiString firstDamage;
  const auto damage = [&](int64_t offset, int64_t bytes, const AnsiString& why) {
    if (damagedBytes == 0) firstDamage = why + " at byte " + std::to_string(offset);
    damagedBytes += bytes;
  };
  const int64_t size = FileSize(journal);
  ReadOnlyFile file(size >= 0 ? std::fopen(journal.c_str(), "rb") : nullptr);
  if (!file) {
    if (committed > 0) damage(0, committed, "the journal is missing");
  } else {
    const int64_t end = std::min(size, committed);
    if (size < committed) damage(size, committed - size, "the journal ends early");
    JournalReader reader(file.get(), 0, end, damage);
    JournalEntry entry;
    while (reader.Next(entry)) {
      index_.NoteRecordAt(entry.offset);
      int position = 0;
      switch (entry.type) {
        case JournalType::kTape: {
          int64_t from = 0, count = 0;
          if (!TapeSpan(entry.payload, from, count)) {
            damage(entry.offset, RecordSize(entry), "a tape record that cannot be read");
            break;
          }
          index_.tapeLines = std::max(index_.tapeLines, from + count);
          break;
        }
        case JournalType::kDetail: {
          // Only the head line is needed here: the position and the key.
          const size_t cut = entry.payload.find('\n');
          StateReader head(std::string_view(entry.payload).substr(0, cut + 1));
          DetailDocument record;
          if (!DecodeDetailHead(head, position, record) || position <= index_.DetailCount()) {
            damage(entry.offset, RecordSize(entry), "a detail record that cannot be read");
            break;
          }
          index_.keys.resize(static_cast<size_t>(position));
          index_.keys.back() = KeyOf(record);
          break;
        }
        case JournalType::kZ: {
          ZRecord record;
          if (!ZRecordOf(entry.payload, position, record)) {
            damage(entry.offset, RecordSize(entry), "a Z record that cannot be read");
            break;
          }
          state.fiscalMemory.push_back(record);
          break;
        }
      }
    }
    // A reader that does not write may see a command still under way.
    if (size > committed && mode == LoadMode::kForWriting) {
      result.messages.push_back(
          kPrefix + path_ + "': the journal '" + journal + "' holds " +
          std::to_string(size - committed) +
          " bytes after its last answered command (a command cut short when the printer "
          "stopped); they are dropped");
    }
  }
  zRecords_ = state.fiscalMemory.size();
  if (damagedBytes > 0) {
    AnsiString kept = mode == LoadMode::kReadOnly ? "it is left as it is (read only)"
                                                  : "it could not be copied aside";
    try {
      if (file && mode == LoadMode::kForWriting) {
        platform::WriteFileAtomically(journal + ".damaged", platform::ReadFile(journal));
        kept = "a copy is kept as '" + journal + ".damaged'";
      }
    } catch (const Exception& e) {
      kept += " (" + e.Message() + ")";
    }
    result.messages.push_back(kPrefix + path_ + "': the journal '" + journal + "' is damaged (" +
                              firstDamage + "); " + std::to_string(damagedBytes) +
                              " bytes are set aside and " + kept +
                              "; the printer goes on with the rest");
  }
  // What the journal lacks (damage) but memory holds is written again at
  // the next commit; what neither holds is lost, as reported.
  const int64_t tapeEnd = state.tapeBase + static_cast<int64_t>(state.tape.size());
  index_.tapeLines = std::clamp(index_.tapeLines, state.tapeBase, tapeEnd);
  const int64_t detailEnd = state.detailBase + static_cast<int64_t>(state.detail.size());
  index_.keys.resize(static_cast<size_t>(std::clamp(index_.DetailCount(), state.detailBase,
                                                    detailEnd)));
  reopen_ = true;
}

bool StateStore::Append(JournalType type, const std::string& payload, AnsiString& error) {
  index_.NoteRecordAt(journal_.Length());
  return journal_.Append(JournalRecord(type, payload), error);
}

bool StateStore::Commit(PrinterState& state, AnsiString& error) {
  const int64_t tapeLines = index_.tapeLines;
  const size_t marks = index_.marks.size(), keys = index_.keys.size(), zRecords = zRecords_;
  const auto fail = [&]() {
    index_.tapeLines = tapeLines;
    index_.marks.resize(marks);
    index_.keys.resize(keys);
    zRecords_ = zRecords;
    journal_.Close();
    reopen_ = true;
    return false;
  };
  if (journalName_.empty()) {
    journalName_ = FreshJournalName(path_);
    index_.path = JournalPath();
  }
  if (!reopen_ && (superseded_ || FileSize(index_.path) != index_.committed)) {
    // Another printer object on the same files wrote after this one: writing
    // on (or cutting the journal back) would destroy what it wrote.
    superseded_ = true;
    error = "the journal '" + index_.path + "' was changed by another printer on the same file";
    return false;
  }
  // Opened for each command and closed after it, so that the file can be
  // copied, renamed or removed between commands (Windows refuses that for an
  // open file); opening cuts what a failed command left after the commit.
  if (!journal_.Open(index_.path, index_.committed, error)) return fail();
  reopen_ = false;

  const int64_t tapeEnd = state.tapeBase + static_cast<int64_t>(state.tape.size());
  if (index_.tapeLines < state.tapeBase) index_.tapeLines = state.tapeBase;
  while (index_.tapeLines < tapeEnd) {
    const int64_t from = index_.tapeLines;
    const int64_t count = std::min<int64_t>(tapeEnd - from, kLinesPerRecord);
    std::string payload = "tape_from " + std::to_string(from) + "\n";
    for (int64_t k = 0; k < count; ++k) {
      payload += "|" + EscapeText(state.tape[static_cast<size_t>(from - state.tapeBase + k)]);
      payload += '\n';
    }
    if (!Append(JournalType::kTape, payload, error)) return fail();
    index_.tapeLines += count;
  }
  // The last record stays out: it may still be open, or cancelled by "05".
  const int64_t detailEnd = state.detailBase + static_cast<int64_t>(state.detail.size()) - 1;
  if (index_.DetailCount() < state.detailBase) {
    index_.keys.resize(static_cast<size_t>(state.detailBase));
  }
  while (index_.DetailCount() < detailEnd) {
    const DetailDocument& record =
        state.detail[static_cast<size_t>(index_.DetailCount() - state.detailBase)];
    std::string payload;
    EncodeDetailRecord(record, static_cast<size_t>(index_.DetailCount() + 1), payload);
    if (!Append(JournalType::kDetail, payload, error)) return fail();
    index_.keys.push_back(KeyOf(record));
  }
  while (zRecords_ < state.fiscalMemory.size()) {
    std::string payload;
    EncodeZRecord(state.fiscalMemory[zRecords_], zRecords_ + 1, payload);
    if (!Append(JournalType::kZ, payload, error)) return fail();
    ++zRecords_;
  }
  if (!journal_.Sync(error)) return fail();
  journal_.Close();

  // The snapshot: the state without what the journal holds for it. The
  // history is moved out of the way while the small part is copied.
  const int64_t keepTape = state.detailTapeStart >= 0 ? state.detailTapeStart : tapeEnd;
  const int64_t keepDetail = index_.DetailCount();
  PrinterState snapshot;
  {
    std::vector<AnsiString> tape = std::move(state.tape);
    DetailMemory detail = std::move(state.detail);
    FiscalMemory fiscal = std::move(state.fiscalMemory);
    state.tape.clear();
    state.detail.clear();
    state.fiscalMemory.clear();
    snapshot = state;
    state.tape = std::move(tape);
    state.detail = std::move(detail);
    state.fiscalMemory = std::move(fiscal);
  }
  snapshot.tapeBase = keepTape;
  snapshot.tape.assign(state.tape.begin() + (keepTape - state.tapeBase), state.tape.end());
  snapshot.detailBase = keepDetail;
  snapshot.detail.assign(state.detail.begin() + (keepDetail - state.detailBase),
                         state.detail.end());
  const StateFileFacts facts{8, journalName_, journal_.Length()};
  try {
    platform::WriteFileAtomically(path_, EncodeState(snapshot, &facts));
  } catch (const Exception& e) {
    error = e.Message();
    return fail();
  }
  if (!SyncFolderOf(path_)) {
    error = "cannot write the folder of '" + path_ + "' to the disk";
    return fail();
  }
  index_.committed = journal_.Length();
  state.tape.erase(state.tape.begin(), state.tape.begin() + (keepTape - state.tapeBase));
  state.tapeBase = keepTape;
  state.detail.erase(state.detail.begin(), state.detail.begin() + (keepDetail - state.detailBase));
  state.detailBase = keepDetail;
  return true;
}

bool StateStore::Replace(PrinterState& state, AnsiString& error) {
  if (state.tapeBase != 0 || state.detailBase != 0) {
    error = "a state without its whole tape and detail memory cannot replace the printer's";
    return false;
  }
  const AnsiString oldName = journalName_;
  const AnsiString oldJournal = JournalPath();
  JournalIndex oldIndex = std::move(index_);
  const size_t oldZ = zRecords_;
  journal_.Close();
  superseded_ = false;
  journalName_ = FreshJournalName(path_);
  index_ = JournalIndex{};
  index_.path = JournalPath();
  zRecords_ = 0;
  reopen_ = true;
  if (!Commit(state, error)) {
    journal_.Close();
    platform::RemoveFile(index_.path);
    journalName_ = oldName;
    index_ = std::move(oldIndex);
    zRecords_ = oldZ;
    reopen_ = true;
    return false;
  }
  if (!oldJournal.empty()) platform::RemoveFile(oldJournal);
  return true;
}

void StateStore::ReadHistory(PrinterState& state, int64_t tapeFrom, int64_t detailFrom) const {
  if (tapeFrom < state.tapeBase) {
    std::vector<AnsiString> tape = index_.TapeLines(tapeFrom, state.tapeBase);
    tape.insert(tape.end(), std::make_move_iterator(state.tape.begin()),
                std::make_move_iterator(state.tape.end()));
    state.tape = std::move(tape);
    state.tapeBase = tapeFrom;
  }
  if (detailFrom < state.detailBase) {
    DetailMemory detail = index_.DetailRecords(detailFrom, state.detailBase);
    detail.insert(detail.end(), std::make_move_iterator(state.detail.begin()),
                  std::make_move_iterator(state.detail.end()));
    state.detail = std::move(detail);
    state.detailBase = detailFrom;
  }
}

}  // namespace mdx::emulator

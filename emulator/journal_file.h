// Appending to a journal and making it durable. The operating system's
// calls (flush to the disk, a folder's entries to the disk) live here only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

class JournalFile {
 public:
  JournalFile() = default;
  ~JournalFile();
  JournalFile(const JournalFile&) = delete;
  JournalFile& operator=(const JournalFile&) = delete;

  // Opens `path` for appending after its first `length` bytes, cutting off
  // whatever follows them (creating the file when `length` is 0). False
  // with the reason in `error`.
  bool Open(const AnsiString& path, int64_t length, AnsiString& error);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  // Appends the bytes (buffered until Sync).
  bool Append(std::string_view bytes, AnsiString& error);
  // Flushes and forces the file to the disk. After a failure the file's
  // end is unknown: the caller opens it again at the length it trusts.
  bool Sync(AnsiString& error);
  int64_t Length() const { return length_; }

 private:
  std::FILE* file_ = nullptr;
  AnsiString path_;
  int64_t length_ = 0;
};

// Moves a file opened for reading to byte `offset` (past 2 GiB too).
bool SeekTo(std::FILE* file, int64_t offset);
// Forces a file's bytes to the disk.
bool SyncFile(std::FILE* file);
// Forces the folder's entries (a rename just made in it) to the disk, where
// the system needs it; true when there is nothing to do.
bool SyncFolderOf(const AnsiString& path);

}  // namespace mdx::emulator

#include "emulator/journal_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace mdx::emulator {

namespace {

AnsiString ErrnoText() { return std::strerror(errno); }

}  // namespace

bool SeekTo(std::FILE* file, int64_t offset) {
#ifdef _WIN32
  return _fseeki64(file, offset, SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool SyncFile(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

bool SyncFolderOf(const AnsiString& path) {
#ifdef _WIN32
  (void)path;  // MoveFileEx with MOVEFILE_WRITE_THROUGH has done it
  return true;
#else
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  const int fd = open(folder.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = fsync(fd) == 0;
  close(fd);
  return ok;
#endif
}

JournalFile::~JournalFile() { Close(); }

void JournalFile::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

bool JournalFile::Open(const AnsiString& path, int64_t length, AnsiString& error) {
  Close();
  path_ = path;
  std::error_code failure;
  const std::filesystem::path file(path);
  if (length == 0 && !std::filesystem::exists(file, failure)) {
    std::FILE* created = std::fopen(path.c_str(), "wb");
    if (!created) {
      error = "cannot create '" + path + "': " + ErrnoText();
      return false;
    }
    std::fclose(created);
  }
  std::filesystem::resize_file(file, static_cast<uintmax_t>(length), failure);
  if (failure) {
    error = "cannot cut '" + path + "' to its " + std::to_string(length) + " bytes: " +
            failure.message();
    return false;
  }
  file_ = std::fopen(path.c_str(), "ab");
  if (!file_) {
    error = "cannot open '" + path + "': " + ErrnoText();
    return false;
  }
  length_ = length;
  return true;
}

bool JournalFile::Append(std::string_view bytes, AnsiString& error) {
  if (!file_) {
    error = "the journal '" + path_ + "' is not open";
    return false;
  }
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    error = "cannot write '" + path_ + "': " + ErrnoText();
    return false;
  }
  length_ += static_cast<int64_t>(bytes.size());
  return true;
}

bool JournalFile::Sync(AnsiString& error) {
  if (!file_ || !SyncFile(file_)) {
    error = "cannot write '" + path_ + "' to the disk: " + ErrnoText();
    return false;
  }
  return true;
}

}  // namespace mdx::emulator

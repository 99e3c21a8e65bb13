// The monthly debug log: one line per event in the host directory.
//
// Every command writes a line or two, so the log is the channel's main cost
// after the serial line itself. Where the system allows it, the file stays
// open between lines and each line is flushed at once (a reader sees every
// line as soon as the call returns); it is opened again when the path
// changes (new month, new host directory) or when the file at the path is no
// longer the one held open (removed, renamed or replaced). On Windows an
// open file cannot be removed by others, so there each line opens and closes
// the file.
#include <cmath>
#include <cstdio>
#include <mutex>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "mdx00200/host_services.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

namespace {

// The log's path for a moment: the month's name is worked out once a day.
class LogPath {
 public:
  const AnsiString& For(const AnsiString& directory, TDateTime now) {
    const double day = std::floor(now);
    if (path_.empty() || day != day_ || directory != directory_) {
      directory_ = directory;
      day_ = day;
      path_ = directory + "impdebug" + mdx::FormatDateTime("MMYY", now) + ".txt";
    }
    return path_;
  }

 private:
  AnsiString directory_;
  double day_ = 0;
  AnsiString path_;
};

#ifndef _WIN32
// The log file held open, and which file it is (to notice a replacement).
class OpenLog {
 public:
  // The file for `path`, opened for appending; nullptr when it cannot be.
  std::FILE* For(const AnsiString& path) {
    if (file_ && path == path_) {
      struct stat now {};
      if (stat(path.c_str(), &now) == 0 && now.st_dev == device_ && now.st_ino == inode_) return file_;
    }
    Close();
    file_ = std::fopen(path.c_str(), "abe");  // "e": not inherited by programs the host starts
    if (!file_) return nullptr;
    struct stat held {};
    if (fstat(fileno(file_), &held) != 0) {
      Close();
      return nullptr;
    }
    path_ = path;
    device_ = held.st_dev;
    inode_ = held.st_ino;
    return file_;
  }
  // Writes and flushes the whole line; false (and the file let go) when not.
  bool Write(const AnsiString& line) {
    const bool written = std::fwrite(line.data(), 1, line.size(), file_) == line.size();
    const bool flushed = std::fflush(file_) == 0;
    if (written && flushed) return true;
    Close();
    return false;
  }

 private:
  void Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    path_.clear();
  }

  std::FILE* file_ = nullptr;
  AnsiString path_;
  dev_t device_ = 0;
  ino_t inode_ = 0;
};
#endif

std::mutex& LogMutex() {
  static std::mutex& mutex = *new std::mutex;
  return mutex;
}

}  // namespace

void ImpFisDebug(const AnsiString& text) {
  const TDateTime now = mdx::Now();
  const mdx::TFormatSettings& settings = mdx::FormatSettings();
  const AnsiString line =
      mdx::FormatDateTime(settings.ShortDateFormat + " " + settings.LongTimeFormat, now) + " - " +
      text + "\r\n";
  const AnsiString directory = mdx::Host().HostDirectory();

  // Never destroyed: lines logged while the process ends still find them.
  // Every line is flushed, so nothing waits for a close.
  std::lock_guard<std::mutex> lock(LogMutex());
  static LogPath& paths = *new LogPath;
  const AnsiString& path = paths.For(directory, now);
#ifndef _WIN32
  static OpenLog& log = *new OpenLog;
  if (!log.For(path)) throw mdx::EInOutError("Cannot open the debug log '" + path + "'");
  if (!log.Write(line)) throw mdx::EInOutError("Cannot write the debug log '" + path + "'");
#else
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (!file) throw mdx::EInOutError("Cannot open the debug log '" + path + "'");
  bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  bool closed = std::fclose(file) == 0;
  if (!written || !closed) throw mdx::EInOutError("Cannot write the debug log '" + path + "'");
#endif
}

}  // namespace Mdx00200

// What the benchmarks that drive the package share: the package and the
// serial substitute loaded by name from beside the program (as a till loads
// them), host services that never sleep and answer questions from a list, a
// counting link between the package and the printer that adds up the bytes
// on the wire and the time spent inside the printer, and the process's CPU
// time and peak memory.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "mdx00200/host_services.h"
#include "mdx00200/maker_entry_points.h"
#include "mdx00200/platform.h"

namespace bench {

using mdx::AnsiString;

inline long ProcessId() {
#ifdef _WIN32
  return static_cast<long>(_getpid());
#else
  return static_cast<long>(getpid());
#endif
}

// The debug log goes to a folder of its own; pauses do not sleep; questions
// are answered from `answers`, then with `defaultAnswer`.
class BenchHost : public mdx::HostServices {
 public:
  // `name` and the process id name the folder, so that two programs running
  // at once keep apart.
  explicit BenchHost(const char* name)
      : folder_(std::filesystem::temp_directory_path() / (std::string(name) + "_" + std::to_string(ProcessId()))) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    directory_ = mdx::platform::IncludeTrailingPathDelimiter(folder_.string());
  }
  ~BenchHost() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  AnsiString HostDirectory() override { return directory_; }
  void Delay(int /*count*/) override {}
  void ProcessMessages() override {}
  bool Dialog(const mdx::DialogRequest& /*request*/) override {
    if (answers.empty()) return defaultAnswer;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowMessage(const AnsiString& /*text*/) override {}
  // Removes the debug log, so that runs do not grow one file for ever.
  void ClearLog() {
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
      if (entry.path().filename().string().rfind("impdebug", 0) == 0) std::filesystem::remove(entry.path());
  }

  // The lines of the debug log that contain `text`.
  size_t LogLinesWith(const std::string& text) const {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      if (entry.path().filename().string().rfind("impdebug", 0) != 0) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      for (std::string line; std::getline(in, line);)
        if (line.find(text) != std::string::npos) ++count;
    }
    return count;
  }

  std::deque<bool> answers;
  bool defaultAnswer = false;

 private:
  std::filesystem::path folder_;
  AnsiString directory_;
};

// The package and the serial substitute, loaded once per process.
struct Libraries {
  mdx::platform::LibraryHandle package = nullptr;
  mdx::platform::LibraryHandle serial = nullptr;
  AnsiString error;  // empty when both loaded

  void* PackageSymbol(const char* name) const { return mdx::platform::FindSymbol(package, name); }
  void* SerialSymbol(const char* name) const { return mdx::platform::FindSymbol(serial, name); }
  template <typename F>
  F Op(const char* name) const {
    return reinterpret_cast<F>(PackageSymbol(name));
  }
};

inline const Libraries& Load() {
  static const Libraries libraries = [] {
    Libraries l;
    auto beside = [](const AnsiString& baseName) {
      return mdx::platform::OpenLibrary(mdx::platform::ExecutableDirectory() +
                                        mdx::platform::LibraryFileName(baseName));
    };
#ifdef _WIN32
    l.package = beside("Mdx00200");
#else
    l.package = beside("mdx00200");
#endif
    l.serial = beside("SERSWEDA");
    if (!l.package || !l.serial) l.error = "the package or the serial substitute was not found beside the program";
    return l;
  }();
  return libraries;
}

// The link between the package and the printer: every frame the package
// sends and every reply it gets pass here and are counted, and the time
// spent in the printer behind (the in-process virtual printer runs in this
// process) is added up so that it can be told apart from the package's.
struct WireCount {
  uint64_t exchanges = 0;
  uint64_t sentBytes = 0;      // frame bytes, ESC to "}"
  uint64_t receivedBytes = 0;  // reply bytes (the length the reply buffer gives)
  double printerSeconds = 0;   // wall time inside the printer
  uint64_t Bytes() const { return sentBytes + receivedBytes; }
  // Seconds the bytes take on a serial line, 10 bits a byte.
  double WireSeconds(double baud) const { return static_cast<double>(Bytes()) * 10.0 / baud; }
};

class CountingLink {
 public:
  // Puts the link between the package and `next` (the printer's send entry).
  static void Install(TSwedaEnviaComando next) {
    next_ = next;
    void** entry = static_cast<void**>(Load().PackageSymbol("SwedaEnviaComando"));
    if (entry) *entry = reinterpret_cast<void*>(&Send);
  }
  static WireCount& Count() {
    static WireCount count;
    return count;
  }

 private:
  static int MDX_STDCALL Send(const char* frame, unsigned char* reply) {
    WireCount& count = Count();
    const auto start = std::chrono::steady_clock::now();
    const int result = next_ ? next_(frame, reply) : 0;
    count.printerSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++count.exchanges;
    count.sentBytes += std::strlen(frame);
    count.receivedBytes += reply[0];
    return result;
  }
  static inline TSwedaEnviaComando next_ = nullptr;
};

// CPU time of the whole process, in seconds.
inline double ProcessCpuSeconds() {
#ifdef _WIN32
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#else
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
#endif
}

// Peak resident memory of the process so far, in MB (0 where unknown).
inline double PeakResidentMegabytes() {
#ifdef _WIN32
  return 0;
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
#endif
}

}  // namespace bench

// QuietHost: host services without pauses or dialogs, for the fuzz targets.
#include "quiet_host.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace mdx::fuzz {

namespace {

const TDateTime kStart = EncodeDate(2026, 12, 6) + EncodeTime(10, 30, 0, 0);

std::filesystem::path MakeScratchFolder() {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("mdx_fuzz_" + std::to_string(stamp));
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

QuietHost::QuietHost() : now_(kStart) {
  directory_ = MakeScratchFolder().string();
  directory_ += static_cast<char>(std::filesystem::path::preferred_separator);
}

QuietHost::~QuietHost() {
  std::error_code error;
  std::filesystem::remove_all(std::filesystem::path(directory_), error);
}

bool QuietHost::Dialog(const DialogRequest&) { return answers_ ? answers_() : false; }

void QuietHost::ShowMessage(const AnsiString&) {}

void QuietHost::Delay(int) {
  ++delays_;
  // A pause moves the clock on, so waits that watch the clock end.
  now_ = now_ + 0.1 / 86400.0;
}

void QuietHost::Reset() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(directory_), error))
    std::filesystem::remove_all(entry.path(), error);
  now_ = kStart;
  delays_ = 0;
}

namespace {

QuietHost* g_host = nullptr;

// At exit only the scratch folder goes: the host object stays installed for
// whatever still runs while the process ends.
void RemoveScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(std::filesystem::path(g_host->HostDirectory()), error);
}

}  // namespace

QuietHost& InstalledQuietHost() {
  if (!g_host) {
    g_host = new QuietHost();  // lives for the whole process
    InstallHostServices(g_host);
    std::atexit(RemoveScratchFolder);
  }
  return *g_host;
}

}  // namespace mdx::fuzz

#include "support/fake_host.h"

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace mdx::test {

namespace {

// A new, empty folder under the system's temporary folder.
std::filesystem::path MakeTemporaryFolder() {
  namespace fs = std::filesystem;
  static unsigned serial = 0;
  std::random_device device;
  std::mt19937_64 random(device() ^ static_cast<uint64_t>(
                                        std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::path base = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate =
        base / ("mdx_fakehost_" + std::to_string(random() % 1000000000u) + "_" + std::to_string(++serial));
    std::error_code error;
    if (fs::create_directory(candidate, error)) return candidate;
  }
  throw std::runtime_error("FakeHost: cannot create a temporary folder under " + base.string());
}

}  // namespace

FakeHost::FakeHost()
    : now(EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 0, 0)),
      directory_(MakeTemporaryFolder().string()) {
  directory_ += static_cast<char>(std::filesystem::path::preferred_separator);
}

FakeHost::~FakeHost() {
  std::error_code error;
  std::filesystem::remove_all(std::filesystem::path(directory_), error);
}

bool FakeHost::Dialog(const DialogRequest& request) {
  dialogs.push_back(request);
  if (answers.empty()) return defaultAnswer;
  bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeHost::ShowMessage(const AnsiString& text) { messages.push_back(text); }

void FakeHost::ProcessMessages() { ++processMessagesCalls; }

void FakeHost::Delay(int count) { delays.push_back(count); }

TDateTime FakeHost::Now() { return now; }

AnsiString FakeHost::HostDirectory() { return directory_; }

void FakeHost::GravaCER(const AnsiString& a, const AnsiString& b, TDateTime when) {
  cerCalls.push_back({a, b, when});
}

void FakeHost::Answer(std::initializer_list<bool> scripted) { answers.insert(answers.end(), scripted); }

void FakeHost::AdvanceMilliseconds(int64_t ms) {
  now = MillisecondsToDateTime(DateTimeToMilliseconds(now) + ms);
}

std::vector<AnsiString> FakeHost::DialogTexts() const {
  std::vector<AnsiString> texts;
  for (const DialogRequest& request : dialogs) texts.push_back(request.text);
  return texts;
}

ScopedFakeHost::ScopedFakeHost() : previous_(InstallHostServices(&host_)) {}

ScopedFakeHost::~ScopedFakeHost() { InstallHostServices(previous_); }

}  // namespace mdx::test

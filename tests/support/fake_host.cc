#include "support/fake_host.h"

#include "support/temp_folder.h"

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace mdx::test {


FakeHost::FakeHost()
    : now(EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 0, 0)),
      directory_(MakeTemporaryFolder("mdx_fakehost").string()) {
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

// FakeHost: host services for tests. Everything the package would show, pump,
// wait for or register is recorded instead, and the clock stands still.
//
//   ScopedFakeHost host;               // installed until the end of the scope
//   host->Answer({true, false});       // the next two dialogs answer yes, no
//   ... run the code under test ...
//   EXPECT_EQ(host->DialogTexts(), std::vector<mdx::AnsiString>{"..."});
//
// - Dialog: every request is kept in `dialogs`, in order; the answer comes
//   from the front of `answers`, or is `defaultAnswer` (false) when empty.
// - ShowMessage: texts kept in `messages`. ProcessMessages: counted.
// - Delay: does not sleep; each count is kept in `delays`.
// - Now: the fixed `now` (15 January 2024 10:30:00 at start); SetNow and
//   AdvanceMilliseconds move it. The runtime's Now/Date/Time follow it while
//   the fake is installed.
// - HostDirectory: a fresh temporary folder, made for this fake (trailing
//   separator included) and removed with everything in it at destruction.
// - GravaCER: calls kept in `cerCalls`. Cripto/Uncripto: the defaults.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <vector>

#include "mdx00200/host_services.h"

namespace mdx::test {

class FakeHost : public HostServices {
 public:
  struct CerCall {
    AnsiString a;
    AnsiString b;
    TDateTime when;
  };

  FakeHost();
  ~FakeHost() override;
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  bool Dialog(const DialogRequest& request) override;
  void ShowMessage(const AnsiString& text) override;
  void ProcessMessages() override;
  void Delay(int count) override;
  TDateTime Now() override;
  AnsiString HostDirectory() override;
  void GravaCER(const AnsiString& a, const AnsiString& b, TDateTime when) override;

  // Appends scripted dialog answers, used in order.
  void Answer(std::initializer_list<bool> scripted);
  void SetNow(TDateTime value) { now = value; }
  // Moves the clock by whole milliseconds (negative goes back).
  void AdvanceMilliseconds(int64_t ms);
  // The texts of the recorded dialogs, in order.
  std::vector<AnsiString> DialogTexts() const;
  // The temporary folder as a path (same as HostDirectory()).
  const AnsiString& Directory() const { return directory_; }

  std::vector<DialogRequest> dialogs;
  std::deque<bool> answers;
  bool defaultAnswer = false;
  std::vector<AnsiString> messages;
  int processMessagesCalls = 0;
  std::vector<int> delays;
  TDateTime now;
  std::vector<CerCall> cerCalls;

 private:
  AnsiString directory_;
};

// Installs a FakeHost for its lifetime and reinstalls the previous services
// (and with them the previous clock) at destruction.
class ScopedFakeHost {
 public:
  ScopedFakeHost();
  ~ScopedFakeHost();
  ScopedFakeHost(const ScopedFakeHost&) = delete;
  ScopedFakeHost& operator=(const ScopedFakeHost&) = delete;

  FakeHost& operator*() { return host_; }
  FakeHost* operator->() { return &host_; }
  FakeHost& get() { return host_; }

 private:
  FakeHost host_;
  HostServices* previous_;
};

}  // namespace mdx::test

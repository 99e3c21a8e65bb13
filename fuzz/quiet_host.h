// QuietHost: host services for the fuzz targets. Pauses return at once,
// dialogs are answered from a settable source instead of being shown, the
// clock stands still, and the host folder is a private scratch folder that
// Reset empties between inputs (the package keeps sale files and its debug
// log there, which would otherwise carry one input's effects into the next).
#pragma once

#include <functional>

#include "mdx00200/host_services.h"

namespace mdx::fuzz {

class QuietHost : public HostServices {
 public:
  QuietHost();
  ~QuietHost() override;
  QuietHost(const QuietHost&) = delete;
  QuietHost& operator=(const QuietHost&) = delete;

  bool Dialog(const DialogRequest& request) override;
  void ShowMessage(const AnsiString& text) override;
  void ProcessMessages() override {}
  void Delay(int count) override;
  TDateTime Now() override { return now_; }
  AnsiString HostDirectory() override { return directory_; }
  AnsiString DriveRoot() override { return directory_; }
  void GravaCER(const AnsiString&, const AnsiString&, TDateTime) override {}

  // Empties the host folder and puts the clock back.
  void Reset();
  // Where dialog answers come from (false when unset).
  void SetAnswers(std::function<bool()> source) { answers_ = std::move(source); }
  int Delays() const { return delays_; }

 private:
  AnsiString directory_;
  TDateTime now_;
  std::function<bool()> answers_;
  int delays_ = 0;
};

// The one QuietHost of the process, installed at first use. (The working
// folder stays as it is: libFuzzer keeps relative paths to its corpus. The
// scripts start the targets in a scratch folder, where relative file names
// from fuzzed records then land.)
QuietHost& InstalledQuietHost();

}  // namespace mdx::fuzz

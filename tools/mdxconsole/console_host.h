// The console's host services: dialogs answered from the script and shown
// as lines, pauses that do not sleep, the work folder as the host's folder,
// and the system clock or a clock fixed by the script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "mdx00200/host_services.h"

namespace mdxconsole {

class ConsoleHost : public mdx::HostServices {
 public:
  // folder: the work folder, with a trailing separator.
  ConsoleHost(mdx::AnsiString folder, std::optional<mdx::TDateTime> fixedNow, bool defaultAnswer);

  bool Dialog(const mdx::DialogRequest& request) override;
  void ShowMessage(const mdx::AnsiString& text) override;
  void ProcessMessages() override {}
  void Delay(int) override {}
  mdx::TDateTime Now() override;
  mdx::AnsiString HostDirectory() override { return folder_; }
  void GravaCER(const mdx::AnsiString& a, const mdx::AnsiString& b, mdx::TDateTime when) override;

  // Fixes the host's clock at `now` from here on.
  void SetNow(mdx::TDateTime now) { fixedNow_ = now; }
  // The answers of the next dialogs, used in order; then the default.
  void SetAnswers(const std::vector<bool>& answers);
  // Answers given but not asked for since the last SetAnswers.
  size_t UnusedAnswers() const { return answers_.size(); }
  // The lines shown since the last call (dialogs, messages, registrations).
  std::vector<std::string> TakeLines();

 private:
  mdx::AnsiString folder_;
  std::optional<mdx::TDateTime> fixedNow_;
  bool defaultAnswer_;
  std::deque<bool> answers_;
  std::vector<std::string> lines_;
};

}  // namespace mdxconsole

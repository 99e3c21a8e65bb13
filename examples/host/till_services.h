// The host's side of the HostServices seam: where the package's dialogs,
// pauses, folder and cipher go in this till.
#pragma once

#include <utility>

#include "mdx00200/host_services.h"

namespace till {

class TillServices : public mdx::HostServices {
 public:
  // `folder` is the till's folder (debug log, configuration file, fiscal-menu
  // files), with a trailing separator.
  explicit TillServices(mdx::AnsiString folder) : folder_(std::move(folder)) {}

  // The operator's answer: printed, and "yes" to every question, as an
  // unattended demo would answer.
  bool Dialog(const mdx::DialogRequest& request) override;
  // The package pauses between attempts; a demo does not wait 100 ms a unit.
  void Delay(int count) override;
  mdx::AnsiString HostDirectory() override { return folder_; }
  // The configuration-field cipher. A till whose other programs read the
  // same files puts their cipher here; this one keeps the default.
  mdx::AnsiString Cripto(const mdx::AnsiString& text, int key) override;
  mdx::AnsiString Uncripto(const mdx::AnsiString& text, int key) override;

 private:
  mdx::AnsiString folder_;
};

}  // namespace till

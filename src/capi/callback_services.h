// The host services of a host that uses the C interface: its callbacks where
// it installed them, defaults safe for a host without a user interface
// elsewhere. Every text shown during a call is kept, so that a call that
// fails can say what the operator would have read.
#pragma once

#include <string>
#include <vector>

#include "mdx00200/host_services.h"
#include "mdx00200/mdx00200_c.h"

namespace mdxcapi {

class CallbackServices : public mdx::HostServices {
 public:
  bool Dialog(const mdx::DialogRequest& request) override;
  void ShowMessage(const mdx::AnsiString& text) override;
  void ProcessMessages() override;
  void Delay(int count) override;
  mdx::AnsiString HostDirectory() override;

  void SetFolder(const mdx::AnsiString& folderWithSeparator) { folder_ = folderWithSeparator; }
  void SetDialog(mdx_dialog_callback callback, void* context) { dialog_ = {callback, context}; }
  void SetMessage(mdx_message_callback callback, void* context) { message_ = {callback, context}; }
  void SetPump(mdx_pump_callback callback, void* context) { pump_ = {callback, context}; }
  void SetDelay(mdx_delay_callback callback, void* context) { delay_ = {callback, context}; }

  // The texts shown since the last Take (Windows-1252).
  std::vector<mdx::AnsiString> TakeShown();

 private:
  template <typename F>
  struct Callback {
    F fn = nullptr;
    void* context = nullptr;
  };
  Callback<mdx_dialog_callback> dialog_;
  Callback<mdx_message_callback> message_;
  Callback<mdx_pump_callback> pump_;
  Callback<mdx_delay_callback> delay_;
  mdx::AnsiString folder_;
  std::vector<mdx::AnsiString> shown_;
};

// The services of the C interface, installed at its first call.
CallbackServices& Services();

}  // namespace mdxcapi

#include "capi/callback_services.h"

#include <filesystem>
#include <system_error>

#include "capi/text_encoding.h"
#include "mdx00200/platform.h"

namespace mdxcapi {

bool CallbackServices::Dialog(const mdx::DialogRequest& request) {
  shown_.push_back(request.text);
  if (!dialog_.fn) return false;
  const std::string text = AnsiToHost(request.text), caption = AnsiToHost(request.caption),
                    scheme = AnsiToHost(request.scheme);
  return dialog_.fn(dialog_.context, text.c_str(), caption.c_str(), static_cast<int>(request.kind), scheme.c_str()) !=
         0;
}

void CallbackServices::ShowMessage(const mdx::AnsiString& text) {
  shown_.push_back(text);
  if (!message_.fn) return;
  const std::string host = AnsiToHost(text);
  message_.fn(message_.context, host.c_str());
}

void CallbackServices::ProcessMessages() {
  if (pump_.fn) pump_.fn(pump_.context);
}

void CallbackServices::Delay(int count) {
  if (delay_.fn) delay_.fn(delay_.context, count);
  else HostServices::Delay(count);
}

mdx::AnsiString CallbackServices::HostDirectory() { return folder_; }

std::vector<mdx::AnsiString> CallbackServices::TakeShown() {
  std::vector<mdx::AnsiString> shown;
  shown.swap(shown_);
  return shown;
}

namespace {

// The current directory, the default folder of a host that sets none.
mdx::AnsiString CurrentFolder() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  if (error) return mdx::platform::ExecutableDirectory();
  return mdx::platform::IncludeTrailingPathDelimiter(current.string());
}

}  // namespace

CallbackServices& Services() {
  static CallbackServices services;
  static bool installed = false;
  if (!installed) {
    services.SetFolder(CurrentFolder());
    mdx::InstallHostServices(&services);
    installed = true;
  }
  return services;
}

}  // namespace mdxcapi

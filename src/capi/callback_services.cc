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

mdx::AnsiString CallbackServices::HostDirectory() {
  if (folder_.empty()) {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    folder_ = error ? mdx::platform::ExecutableDirectory()
                    : mdx::platform::IncludeTrailingPathDelimiter(current.string());
  }
  return folder_;
}

std::vector<mdx::AnsiString> CallbackServices::TakeShown() {
  std::vector<mdx::AnsiString> shown;
  shown.swap(shown_);
  return shown;
}

CallbackServices& Services() {
  static CallbackServices services;
  static const bool installed = (mdx::InstallHostServices(&services), true);
  (void)installed;
  return services;
}

}  // namespace mdxcapi

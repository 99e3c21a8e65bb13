#include "till_services.h"

#include <cstdio>

#include "mdx00200/platform.h"

namespace till {

bool TillServices::Dialog(const mdx::DialogRequest& request) {
  std::printf("dialog (kind %d): %s -> yes\n", static_cast<int>(request.kind),
              mdx::AnsiToUtf8(request.text).c_str());
  return true;
}

void TillServices::Delay(int count) { mdx::platform::Sleep(count > 0 ? 1 : 0); }

mdx::AnsiString TillServices::Cripto(const mdx::AnsiString& text, int key) {
  return HostServices::Cripto(text, key);
}

mdx::AnsiString TillServices::Uncripto(const mdx::AnsiString& text, int key) {
  return HostServices::Uncripto(text, key);
}

}  // namespace till

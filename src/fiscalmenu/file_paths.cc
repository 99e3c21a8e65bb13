#include "fiscalmenu/file_paths.h"

#include <vector>

#include "mdx00200/host_services.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

namespace {

#ifndef _WIN32
bool StartsWithDrive(const mdx::AnsiString& path) {
  if (path.size() < 2 || path[1] != ':') return false;
  const char letter = path[0];
  return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

std::vector<mdx::AnsiString> SplitOnSlash(const mdx::AnsiString& path) {
  std::vector<mdx::AnsiString> parts;
  mdx::AnsiString part;
  for (char c : path) {
    if (c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// Joins `parts` onto `base`, taking each name as it exists when it exists
// with other letter case. After the first name that does not exist the rest
// is kept as given.
mdx::AnsiString JoinResolving(mdx::AnsiString base, const std::vector<mdx::AnsiString>& parts) {
  bool resolving = true;
  for (const mdx::AnsiString& part : parts) {
    mdx::AnsiString name = part;
    if (resolving && part != "." && part != "..") {
      const mdx::AnsiString existing = mdx::platform::FindEntryIgnoringCase(base, part);
      if (existing.empty()) {
        resolving = false;
      } else {
        name = existing;
      }
    }
    if (!base.empty() && base.back() != '/') base += '/';
    base += name;
  }
  return base;
}
#endif

}  // namespace

mdx::AnsiString PlatformPath(const mdx::AnsiString& windowsPath) {
#ifdef _WIN32
  return windowsPath;
#else
  mdx::AnsiString path = windowsPath;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  mdx::AnsiString base;
  if (StartsWithDrive(path)) {
    base = mdx::platform::IncludeTrailingPathDelimiter(mdx::Host().DriveRoot());
    path = path.substr(2);
  } else if (!path.empty() && path[0] == '/') {
    base = "/";
  }
  const bool trailingSlash = !path.empty() && path.back() == '/';
  mdx::AnsiString result = JoinResolving(base, SplitOnSlash(path));
  if (trailingSlash && (result.empty() || result.back() != '/')) result += '/';
  return result;
#endif
}

mdx::AnsiString ProgramDirectory() {
  mdx::AnsiString folder = mdx::Host().HostDirectory();
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

bool IsSafeNamePart(const mdx::AnsiString& text) {
  if (text.empty() || text.find("..") != mdx::AnsiString::npos) return false;
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7f || c == '\\' || c == '/' || c == ':') return false;
  }
  return true;
}

}  // namespace Mdx00200

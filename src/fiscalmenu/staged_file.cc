#include "fiscalmenu/staged_file.h"

#include "mdx00200/exceptions.h"
#include "mdx00200/number_format.h"
#include "mdx00200/platform.h"

namespace Mdx00200::fiscalfiles {

using mdx::AnsiString;

namespace {

constexpr size_t kLongestName = 255;
// The staging suffix, and the signature library's own ".tmp" after it.
constexpr size_t kStagingRoom = 8;
constexpr int kMostNumbered = 999;

AnsiString BaseName(const AnsiString& path) {
  const size_t at = path.find_last_of("/\\");
  return at == AnsiString::npos ? path : path.substr(at + 1);
}

// "X.txt" -> "X_n.txt"; "X" -> "X_n".
AnsiString Numbered(const AnsiString& path, int n) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.find_last_of("/\\");
  const bool hasExtension = dot != AnsiString::npos && (slash == AnsiString::npos || dot > slash);
  const AnsiString number = "_" + mdx::IntToStr(n);
  return hasExtension ? path.substr(0, dot) + number + path.substr(dot) : path + number;
}

}  // namespace

AnsiString StagingName(const AnsiString& finalPath) { return finalPath + ".tmp"; }

bool StagingNameFits(const AnsiString& finalPath) {
  return BaseName(finalPath).size() + kStagingRoom <= kLongestName;
}

void ClearStaging(const AnsiString& finalPath) { mdx::platform::RemoveFile(StagingName(finalPath)); }

AnsiString PublishAsNew(const AnsiString& staging, const std::vector<AnsiString>& names) {
  if (names.empty() || !mdx::platform::FileExists(staging)) return "";
  for (const AnsiString& name : names) {
    if (mdx::platform::MoveToNewName(staging, name)) return name;
  }
  for (int n = 2; n <= kMostNumbered; ++n) {
    const AnsiString name = Numbered(names[0], n);
    if (mdx::platform::MoveToNewName(staging, name)) return name;
  }
  throw mdx::EInOutError("Cannot give '" + staging + "' a free name after '" + names[0] + "'");
}

AnsiString PublishReplacing(const AnsiString& staging, const AnsiString& finalPath) {
  if (!mdx::platform::FileExists(staging)) return "";
  mdx::platform::ReplaceFile(staging, finalPath);
  return finalPath;
}

}  // namespace Mdx00200::fiscalfiles

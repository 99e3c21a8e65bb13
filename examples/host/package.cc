#include "package.h"

namespace till {

namespace {

#ifdef _WIN32
const char kPackageName[] = "Mdx00200";
#else
const char kPackageName[] = "mdx00200";
#endif

}  // namespace

Package::Package() {
  const mdx::AnsiString file = mdx::platform::LibraryFileName(kPackageName);
  handle_ = mdx::platform::OpenLibrary(file);
  if (!handle_) error_ = "cannot load " + file + ": " + mdx::platform::LastLibraryError();
}

void* Package::Symbol(const char* name) {
  void* symbol = mdx::platform::FindSymbol(handle_, name);
  if (!symbol) error_ = std::string("the package does not export ") + name;
  return symbol;
}

}  // namespace till

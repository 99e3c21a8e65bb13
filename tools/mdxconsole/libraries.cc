#include "libraries.h"

namespace mdxconsole {

mdx::AnsiString LibraryPathBeside(const char* baseName) {
  return mdx::platform::ExecutableDirectory() + mdx::platform::LibraryFileName(baseName);
}

mdx::platform::LibraryHandle LoadLibraryBeside(const char* baseName) {
  const mdx::AnsiString path = LibraryPathBeside(baseName);
  if (mdx::platform::FileExists(path)) return mdx::platform::OpenLibrary(path);
  return mdx::platform::OpenLibrary(mdx::platform::LibraryFileName(baseName));
}

}  // namespace mdxconsole

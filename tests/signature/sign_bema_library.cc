#include "sign_bema_library.h"

#include "mdx00200/platform.h"

namespace mdx::ead::test {

namespace {

SignBemaLibrary Load() {
  SignBemaLibrary library;
  const AnsiString file = platform::LibraryFileName("sign_bema");
  platform::LibraryHandle handle = platform::OpenLibrary(file);
  if (!handle) {
    library.error = "cannot load " + file + ": " + platform::LastLibraryError();
    return library;
  }
  auto find = [&](const char* name) {
    void* symbol = platform::FindSymbol(handle, name);
    if (!symbol && library.error.empty()) library.error = AnsiString("missing entry ") + name;
    return symbol;
  };
  library.setLibType = reinterpret_cast<TBematechSetLibType>(find("setLibType"));
  library.genkkey = reinterpret_cast<TBematechGenkkey>(find("genkkey"));
  library.generateEAD = reinterpret_cast<TBematechGenerateEAD>(find("generateEAD"));
  library.validateFile = reinterpret_cast<TBematechValidateFile>(find("validateFile"));
  library.libType = reinterpret_cast<SignBemaLibrary::LibTypeFn>(find("SignBema_LibType"));
  return library;
}

}  // namespace

const SignBemaLibrary& SignBemaLibrary::Get() {
  static const SignBemaLibrary library = Load();
  return library;
}

}  // namespace mdx::ead::test

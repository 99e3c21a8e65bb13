// geraEad: the signature library signs a finished file in place.
#include "fiscalmenu/ead_key.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

namespace {

template <typename Entry>
bool Resolve(const char* name, Entry& entry) {
  entry = reinterpret_cast<Entry>(mdx::platform::FindSymbol(signDLLHandle, name));
  return entry != nullptr;
}

void ForgetSignatureEntries() {
  Bematech_setLibType = nullptr;
  Bematech_genkkey = nullptr;
  Bematech_generateEAD = nullptr;
  Bematech_validateFile = nullptr;
}

}  // namespace

void geraEad(const AnsiString& fileName) {
  // Every call loads the library again (only its load count rises) and
  // resolves all four entries, though only generateEAD is called.
  signDLLHandle = mdx::platform::OpenLibrary(mdx::platform::LibraryFileName("sign_bema"));
  if (!signDLLHandle) return;
  if (!Resolve("setLibType", Bematech_setLibType) || !Resolve("genkkey", Bematech_genkkey) ||
      !Resolve("generateEAD", Bematech_generateEAD) ||
      !Resolve("validateFile", Bematech_validateFile)) {
    return;
  }
  AnsiString output = Consiste::Replicate(" ", 256);
  Bematech_generateEAD(fileName.c_str(), kEadKeyB, kEadKeyA, output.data(), 1);
  ForgetSignatureEntries();
}

}  // namespace Mdx00200

// geraEad: the signature library signs a finished file in place.
#include "fiscalmenu/ead_key.h"
#include "frame/maker_libraries.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

namespace {

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
  if (!ResolveEntry(signDLLHandle, "setLibType", Bematech_setLibType) ||
      !ResolveEntry(signDLLHandle, "genkkey", Bematech_genkkey) ||
      !ResolveEntry(signDLLHandle, "generateEAD", Bematech_generateEAD) ||
      !ResolveEntry(signDLLHandle, "validateFile", Bematech_validateFile)) {
    return;
  }
  AnsiString output = Consiste::Replicate(" ", 256);
  Bematech_generateEAD(fileName.c_str(), kEadKeyB, kEadKeyA, output.data(), 1);
  ForgetSignatureEntries();
}

}  // namespace Mdx00200

// Checking the package's signed files with the signature library's own
// check and the public half of the build's key.
#pragma once

#include "mdx00200/maker_entry_points.h"
#include "mdx00200/platform.h"
#include "mdx_ead_public_key.h"

namespace mdx::test {

// validateFile's code for the file: 0 when its EAD record matches its
// content; -1 when the library is not there.
inline int ValidateSignature(const AnsiString& file) {
  platform::LibraryHandle library = platform::OpenLibrary(platform::LibraryFileName("sign_bema"));
  auto validate =
      reinterpret_cast<TBematechValidateFile>(platform::FindSymbol(library, "validateFile"));
  if (!validate) return -1;
  return validate(file.c_str(), ead::kEadPublicExponent, ead::kEadPublicModulus);
}

}  // namespace mdx::test

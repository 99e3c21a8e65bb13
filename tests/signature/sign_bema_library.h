// The signature library loaded by name, as the package loads it, with its
// entry points resolved through the package's own types.
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/maker_entry_points.h"

namespace mdx::ead::test {

struct SignBemaLibrary {
  using LibTypeFn = int (*)();

  TBematechSetLibType setLibType = nullptr;
  TBematechGenkkey genkkey = nullptr;
  TBematechGenerateEAD generateEAD = nullptr;
  TBematechValidateFile validateFile = nullptr;
  LibTypeFn libType = nullptr;  // SignBema_LibType
  AnsiString error;             // why loading failed, "" when it did not

  // Loaded once for the process and never unloaded, as the package does.
  static const SignBemaLibrary& Get();
};

}  // namespace mdx::ead::test

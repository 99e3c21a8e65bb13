// The one place where the libraries write a file.
#pragma once

#include <string>

#include "fiscalfiles/result_codes.h"

namespace mdx::fiscalfiles {

// Writes `bytes` to `path` through a temporary file beside it ("<path>.tmp")
// that then takes the file's place, so a failure leaves no half-written
// file and an older file whole. kOk, or `failure` for a null or empty path,
// a missing or read-only folder, a path that names a folder, a full disk.
Code WriteOutput(const char* path, const std::string& bytes, Code failure = kOutputFailed);

}  // namespace mdx::fiscalfiles

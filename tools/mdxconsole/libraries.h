// Finding the package and the maker's libraries the console loads by name.
#pragma once

#include "mdx00200/platform.h"

namespace mdxconsole {

// The library of `baseName` beside the console (a build folder, a till
// folder), or else through the normal search path (an installed prefix keeps
// the libraries in lib/, where the runtime finds its neighbours). nullptr
// when neither loads; platform::LastLibraryError says why.
mdx::platform::LibraryHandle LoadLibraryBeside(const char* baseName);

// The file the console looks for first: beside itself.
mdx::AnsiString LibraryPathBeside(const char* baseName);

}  // namespace mdxconsole

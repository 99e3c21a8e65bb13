// The package's exported globals by name, as JSON, for hosts that cannot
// read a C++ global.
#pragma once

#include <string>

#include "json/json_text.h"

namespace mdxcapi {

// False when no global has that name.
bool GlobalByName(const std::string& name, mdxjson::Json& value);

}  // namespace mdxcapi

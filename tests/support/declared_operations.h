// The operations the package's headers declare (namespace Mdx00200, marked
// MDX_API), found by reading the headers, for the tests that check a table
// of operations against them.
#pragma once

#include <set>
#include <string>

namespace mdx::test {

std::set<std::string> DeclaredOperations(const std::string& headersFolder);

}  // namespace mdx::test

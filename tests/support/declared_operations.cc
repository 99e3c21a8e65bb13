#include "support/declared_operations.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace mdx::test {

std::set<std::string> DeclaredOperations(const std::string& headersFolder) {
  std::set<std::string> names;
  const std::regex declaration(R"(MDX_API\s+([^;{]*?)\b(\w+)\s*\()");
  for (const auto& entry : std::filesystem::directory_iterator(headersFolder)) {
    std::ifstream file(entry.path(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string source = text.str();
    for (auto it = std::sregex_iterator(source.begin(), source.end(), declaration); it != std::sregex_iterator(); ++it) {
      const std::string before = (*it)[1];
      const std::string name = (*it)[2];
      // Globals, and the marker's own definitions in export.h.
      if (before.find("extern") != std::string::npos || name.rfind("__", 0) == 0) continue;
      names.insert(name);
    }
  }
  return names;
}

}  // namespace mdx::test

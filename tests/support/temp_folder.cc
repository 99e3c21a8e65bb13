#include "support/temp_folder.h"

#include <chrono>
#include <random>
#include <stdexcept>
#include <system_error>

namespace mdx::test {

std::filesystem::path MakeTemporaryFolder(const std::string& prefix) {
  namespace fs = std::filesystem;
  static unsigned serial = 0;
  std::random_device device;
  std::mt19937_64 random(device() ^ static_cast<uint64_t>(
                                        std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::path base = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate =
        base / (prefix + "_" + std::to_string(random() % 1000000000u) + "_" + std::to_string(++serial));
    std::error_code error;
    if (fs::create_directory(candidate, error)) return candidate;
  }
  throw std::runtime_error("cannot create a temporary folder under " + base.string());
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace mdx::test

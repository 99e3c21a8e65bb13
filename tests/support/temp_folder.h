// A fresh, empty folder under the system's temporary folder for one test,
// removed with everything in it at destruction. Its name is random, so tests
// that run at the same time (ctest -j, several build folders) never share one.
#pragma once

#include <filesystem>
#include <string>

namespace mdx::test {

// Creates a new folder whose name starts with prefix; raises
// std::runtime_error when none can be made.
std::filesystem::path MakeTemporaryFolder(const std::string& prefix);

class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::string& prefix = "mdx_test")
      : path_(MakeTemporaryFolder(prefix)) {}
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace mdx::test

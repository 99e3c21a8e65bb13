// Runs a fuzz target's entry over files, without libFuzzer: every file
// named on the command line, and every file inside each folder named there
// (in name order; a folder that does not exist is skipped). A crash or a
// failed check aborts, as it would under the fuzzer; otherwise the exit
// status is 0 and the number of inputs run is printed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "replay: cannot read %s\n", path.string().c_str());
    return false;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::fprintf(stderr, "replay: %s\n", path.string().c_str());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int count = 0;
  bool ok = true;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path target(argv[i]);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
      std::vector<std::filesystem::path> files;
      for (const auto& entry : std::filesystem::directory_iterator(target, error))
        if (entry.is_regular_file(error)) files.push_back(entry.path());
      std::sort(files.begin(), files.end());
      for (const auto& file : files) {
        ok = RunFile(file) && ok;
        ++count;
      }
    } else if (std::filesystem::exists(target, error)) {
      ok = RunFile(target) && ok;
      ++count;
    }
  }
  std::printf("replayed %d inputs\n", count);
  return ok ? 0 : 1;
}

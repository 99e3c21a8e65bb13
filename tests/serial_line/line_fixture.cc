#include "serial_line/line_fixture.h"

#include <fstream>
#include <sstream>

#include "emulator/state_store.h"
#include "mdx00200/platform.h"

namespace mdx::test {

namespace {

std::string Slurp(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string ConsoleResult::LastLine() const {
  std::string text = out;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  const size_t start = text.find_last_of('\n');
  return start == std::string::npos ? text : text.substr(start + 1);
}

size_t ConsoleResult::CountInErr(const std::string& text) const {
  size_t count = 0;
  for (size_t at = err.find(text); at != std::string::npos; at = err.find(text, at + 1)) ++count;
  return count;
}

void LineTest::SetUp() {
#ifdef _WIN32
  GTEST_SKIP() << "the serial line needs termios and pseudo-terminals (Linux)";
#else
  temp_ = std::make_unique<TemporaryFolder>("mdx_line");
#endif
}

void LineTest::TearDown() {
  // Whatever the test did, no emulator outlives it.
  if (emulator_) emulator_->Kill();
  emulator_.reset();
}

std::string LineTest::StartEmulator(const std::string& state, const std::vector<std::string>& args,
                                    const std::string& errFile) {
  if (emulator_) emulator_->Kill();
  emulator_ = std::make_unique<ChildProcess>();
  ChildProcess::Launch launch;
  launch.program = platform::ExecutableDirectory() + "ecf-emulator";
  launch.args = {"--pty", "--state", state};
  launch.args.insert(launch.args.end(), args.begin(), args.end());
  emulatorErr_ = errFile.empty() ? temp_->File("emulator" + std::to_string(++runs_) + ".err") : errFile;
  launch.errFile = emulatorErr_;
  std::string error;
  if (!emulator_->Start(launch, error)) {
    ADD_FAILURE() << error;
    return "";
  }
  const std::optional<std::string> line = emulator_->ReadLine(std::chrono::seconds(20));
  const std::string prefix = "ecf-emulator: ";
  if (!line || line->rfind(prefix, 0) != 0) {
    ADD_FAILURE() << "no path line from the emulator: " << line.value_or("(none)") << "\n" << Slurp(emulatorErr_);
    return "";
  }
  return line->substr(prefix.size());
}

std::string LineTest::StopEmulator() {
  if (!emulator_ || !emulator_->Running()) return "";
  emulator_->Kill(15);
  const std::optional<int> status = emulator_->Wait(std::chrono::seconds(20));
  EXPECT_EQ(status, 0) << "the emulator did not end cleanly at SIGTERM";
  const std::string text = Slurp(emulatorErr_);
  const size_t at = text.rfind("ecf-emulator: stopped");
  return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
}

ConsoleResult LineTest::RunConsole(const std::string& script, const std::string& path, const std::string& state,
                                   const std::map<std::string, std::string>& settings,
                                   std::chrono::seconds limit) {
  ConsoleResult result;
  const std::string name = "run" + std::to_string(++runs_);
  const std::string scriptFile = temp_->File(name + ".json");
  std::ofstream(scriptFile, std::ios::binary) << script;

  ChildProcess console;
  ChildProcess::Launch launch;
  launch.program = platform::ExecutableDirectory() + "mdxconsole";
  launch.args = {"--work", temp_->File(name), scriptFile};
  launch.environment = {{"MDX_SERIAL_TRANSPORT", "tty:" + path},
                        {"MDX_PRINTER_STATE", state},
                        {"MDX_PRINTER_CONFIG", ""},
                        {"MDX_SERIAL_DEBUG", "1"},
                        {"MDX_SERIAL_TIMEOUT_MS", std::to_string(kTimeoutMs)},
                        {"MDX_SERIAL_RETRIES", "2"}};
  for (const auto& [key, value] : settings) launch.environment[key] = value;
  launch.outFile = temp_->File(name + ".out");
  launch.errFile = temp_->File(name + ".err");
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  if (!console.Start(launch, error)) {
    ADD_FAILURE() << error;
    return result;
  }
  result.status = console.Wait(limit);
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!result.status) {
    console.Kill();
    ADD_FAILURE() << "the console was still running after " << limit.count() << " s";
  }
  result.out = Slurp(launch.outFile);
  result.err = Slurp(launch.errFile);
  return result;
}

emulator::PrinterState LineTest::StateIn(const std::string& file) {
  emulator::PrinterState state;
  if (!platform::FileExists(file)) return state;
  emulator::StateStore store(file);
  const emulator::LoadResult loaded = store.Load(state, emulator::LoadMode::kReadOnly);
  EXPECT_EQ(loaded.outcome, emulator::LoadOutcome::kLoaded);
  store.ReadHistory(state);
  return state;
}

}  // namespace mdx::test

#include "serial_line/child_process.h"

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;
#endif

namespace mdx::test {

#ifdef _WIN32

bool ChildProcess::Start(const Launch&, std::string& error) {
  error = "child processes are started on Linux only";
  return false;
}
std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds) { return std::nullopt; }
std::optional<int> ChildProcess::Wait(std::chrono::milliseconds) { return std::nullopt; }
void ChildProcess::Kill(int) {}

#else

bool ChildProcess::Start(const Launch& launch, std::string& error) {
  std::map<std::string, std::string> environment;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const size_t equals = text.find('=');
    if (equals != std::string::npos) environment[text.substr(0, equals)] = text.substr(equals + 1);
  }
  for (const auto& [name, value] : launch.environment) environment[name] = value;
  std::vector<std::string> envText;
  for (const auto& [name, value] : environment) envText.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& text : envText) envp.push_back(text.data());
  envp.push_back(nullptr);

  std::vector<std::string> argText = {launch.program};
  argText.insert(argText.end(), launch.args.begin(), launch.args.end());
  std::vector<char*> argv;
  for (std::string& text : argText) argv.push_back(text.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int pipeEnds[2] = {-1, -1};
  if (launch.outFile.empty()) {
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
      error = std::string("pipe: ") + std::strerror(errno);
      posix_spawn_file_actions_destroy(&actions);
      return false;
    }
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, launch.outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  if (!launch.errFile.empty()) {
    posix_spawn_file_actions_addopen(&actions, 2, launch.errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, launch.program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (pipeEnds[1] >= 0) ::close(pipeEnds[1]);
  if (failed != 0) {
    if (pipeEnds[0] >= 0) ::close(pipeEnds[0]);
    error = "cannot start " + launch.program + ": " + std::strerror(failed);
    return false;
  }
  pid_ = pid;
  out_ = pipeEnds[0];
  return true;
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    const size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return line;
    }
    if (out_ < 0) return std::nullopt;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) return std::nullopt;
    pollfd waiting{out_, POLLIN, 0};
    if (::poll(&waiting, 1, static_cast<int>(left)) <= 0) continue;
    char buffer[512];
    const ssize_t got = ::read(out_, buffer, sizeof buffer);
    if (got <= 0) {
      ::close(out_);
      out_ = -1;
      continue;
    }
    pending_.append(buffer, static_cast<size_t>(got));
  }
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds limit) {
  if (pid_ <= 0) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      pid_ = -1;
      if (out_ >= 0) ::close(out_);
      out_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (done < 0 || std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void ChildProcess::Kill(int signal) {
  if (pid_ <= 0) return;
  ::kill(pid_, signal);
  if (signal == SIGKILL) {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    if (out_ >= 0) ::close(out_);
    out_ = -1;
  }
}

#endif

}  // namespace mdx::test

// A program of the build run as a child process (Linux): started with extra
// environment settings and its output in files or a pipe, waited for with a
// time limit, and killed when the owner is done with it, so that no test can
// leave a process behind or wait for ever.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mdx::test {

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess() { Kill(); }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  struct Launch {
    std::string program;  // a path
    std::vector<std::string> args;
    std::map<std::string, std::string> environment;  // added to (or replacing) the test's own
    std::string outFile;  // standard output; "" = a pipe read with ReadLine
    std::string errFile;  // standard error; "" = the test's
  };
  // False with the reason in `error`.
  bool Start(const Launch& launch, std::string& error);

  // The next line of standard output (pipe only) within `limit`; nullopt
  // when none came in time or the output ended.
  std::optional<std::string> ReadLine(std::chrono::milliseconds limit);

  // The exit status (or 128 + the signal) once it ends within `limit`;
  // nullopt while it is still running.
  std::optional<int> Wait(std::chrono::milliseconds limit);

  bool Running() const { return pid_ > 0; }
  int Pid() const { return pid_; }
  // Sends `signal`; SIGKILL (the default) also waits for the end.
  void Kill(int signal = 9);

 private:
  int pid_ = -1;
  int out_ = -1;  // the pipe's reading end
  std::string pending_;
};

}  // namespace mdx::test

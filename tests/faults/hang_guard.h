// HangGuard: ends the test program with a message when a scope takes far
// longer than it ever should, so a fault that makes the package loop or wait
// shows up as a failure instead of a run that never ends. The bound is
// generous: it catches hangs, it does not measure speed.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace mdx::test {

class HangGuard {
 public:
  explicit HangGuard(std::string what, std::chrono::seconds bound = std::chrono::seconds(60))
      : what_(std::move(what)), watcher_([this, bound] { Watch(bound); }) {}
  ~HangGuard() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    watcher_.join();
  }
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;

 private:
  void Watch(std::chrono::seconds bound) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!wake_.wait_for(lock, bound, [this] { return done_; })) {
      std::fprintf(stderr, "HANG: %s did not end within %lld s\n", what_.c_str(),
                   static_cast<long long>(bound.count()));
      std::fflush(stderr);
      std::_Exit(3);
    }
  }

  std::string what_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread watcher_;
};

}  // namespace mdx::test

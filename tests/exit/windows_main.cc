// The main of every test program on Windows. GoogleTest's Windows build
// starts, for each thread that touches its thread-local data, a watcher
// thread that waits until that thread ends. A watcher of the main thread
// would still be waiting when the process exits, and wine 8's 32-bit process
// exit then crashes now and then, after the tests passed. So the tests run
// in a thread of their own; once it has ended its watcher ends too, and the
// program returns only when its main thread is the only one left, failing
// when another thread outlives a bounded wait.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace {

// The threads of this process besides the calling one; -1 when they cannot
// be counted.
int OtherThreads() {
  const DWORD process = GetCurrentProcessId();
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry;
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == process) ++count;
  }
  CloseHandle(snapshot);
  return count - 1;
}

// How long the watchers may take to see their threads end.
constexpr int kMostMillisecondsToWait = 5000;

}  // namespace

int main(int argc, char** argv) {
  int result = 1;
  std::thread tests([&] {
    testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  });
  tests.join();
  int others = OtherThreads();
  for (int waited = 0; others != 0 && waited < kMostMillisecondsToWait; ++waited) {
    Sleep(1);
    others = OtherThreads();
  }
  if (others != 0) {
    std::fprintf(stderr, "%d other threads still alive when the tests ended\n", others);
    return 1;
  }
  return result;
}

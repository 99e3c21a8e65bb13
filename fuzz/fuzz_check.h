// FUZZ_CHECK: a property a fuzz target asserts. A failure prints what broke
// and aborts, which the fuzzer (and the replay program) reports as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                                   \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "fuzz check failed at %s:%d: %s\n", __FILE__, __LINE__, \
                   #condition);                                                      \
      std::fprintf(stderr, "  " __VA_ARGS__);                                        \
      std::fprintf(stderr, "\n");                                                    \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)

#pragma once
// A broken invariant ends the fuzz run with the input that broke it.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s\n  ", #condition);                          \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fprintf(stderr, "\n");                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The time an input took, for an invariant on it: a reader bounded in time takes milliseconds on
// an input of the fuzzer's size, even under the sanitizers, where a hang takes seconds.
class FuzzClock {
  public:
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    }

  private:
    std::chrono::steady_clock::time_point Start = std::chrono::steady_clock::now();
};

// The most any message may be long: a short quote of the bad value, a key path cut to its end,
// the file's name and the words around them.
inline constexpr long MaxMessageLength = 600;

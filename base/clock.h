#pragma once

#include <cstdint>

// Milliseconds from a monotonic clock: it never wraps or jumps during a run, which is
// all the Scramble animation needs.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowMs() = 0;
};

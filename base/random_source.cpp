#include "base/random_source.h"

XorShiftRandom::XorShiftRandom(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

int XorShiftRandom::Random(int n) {
  if (n <= 1) return 0;
  // Rejection sampling keeps every value equally likely.
  const uint64_t range = static_cast<uint64_t>(n);
  const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  uint64_t value;
  do {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    value = state_ * 0x2545F4914F6CDD1Dull;
  } while (value >= limit);
  return static_cast<int>(value % range);
}

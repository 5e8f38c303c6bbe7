#pragma once

#include <cstdint>

// The one uniform pseudo-random source of the process. Every draw of a board and of
// the Scramble animation goes through it, in a fixed order, so that a scripted source
// reproduces a board exactly.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer 0..n-1 (n >= 1).
  virtual int Random(int n) = 0;
};

// A small, fast generator (xorshift64*) seeded once from the clock.
class XorShiftRandom : public RandomSource {
 public:
  explicit XorShiftRandom(uint64_t seed);
  int Random(int n) override;

 private:
  uint64_t state_;
};

#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "base/random_source.h"

// Answers draws from a script first, then from a seeded generator, and remembers the range
// of every draw, so a test can both choose a board and check how it was drawn.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::deque<int> values) : script(std::move(values)) {}

  int Random(int n) override {
    ranges.push_back(n);
    if (script.empty()) return fallback.Random(n);
    const int value = script.front();
    script.pop_front();
    EXPECT_LT(value, n) << "script out of range at draw " << ranges.size();
    return value;
  }
  bool Exhausted() const { return script.empty(); }

  std::deque<int> script;
  std::vector<int> ranges;  // the n of every draw, in order
  XorShiftRandom fallback{12345};
};

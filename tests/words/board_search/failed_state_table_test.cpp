#include "words/board_search/failed_state_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// Enough states to make the table grow several times over; states that differ only in
// high bits, as the search's do, must not be confused.
TEST(FailedStateTableTest, KeepsEveryStateThroughGrowth) {
  FailedStateTable table;
  std::mt19937_64 random(3);
  std::vector<uint64_t> states;
  for (int i = 0; i < 5000; ++i) states.push_back((random() | 1) & ((uint64_t{1} << 45) - 1));
  for (int position = 1; position < 20; ++position) states.push_back(uint64_t(position) << 40 | 7);
  for (const uint64_t state : states) table.Insert(state);
  for (const uint64_t state : states) table.Insert(state);  // again: no duplicates
  for (const uint64_t state : states) EXPECT_TRUE(table.Contains(state)) << state;
  EXPECT_FALSE(table.Contains(uint64_t{20} << 40 | 7));
  EXPECT_FALSE(table.Contains(2));
}

}  // namespace

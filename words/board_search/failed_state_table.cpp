#include "words/board_search/failed_state_table.h"

#include <bit>
#include <utility>

bool FailedStateTable::Contains(uint64_t state) const {
  for (size_t slot = SlotOf(state);; slot = (slot + 1) & (slots_.size() - 1)) {
    if (slots_[slot] == state) return true;
    if (slots_[slot] == 0) return false;
  }
}

void FailedStateTable::Insert(uint64_t state) {
  if (2 * (count_ + 1) > slots_.size()) Grow();
  size_t slot = SlotOf(state);
  while (slots_[slot] != 0 && slots_[slot] != state) slot = (slot + 1) & (slots_.size() - 1);
  count_ += slots_[slot] == 0;
  slots_[slot] = state;
}

// Fibonacci hashing: the top bits of the product, as many as the table has slots.
size_t FailedStateTable::SlotOf(uint64_t state) const {
  return (state * 0x9E3779B97F4A7C15u) >> (64 - std::countr_zero(slots_.size()));
}

// Doubles the table and puts every state back.
void FailedStateTable::Grow() {
  const std::vector<uint64_t> previous =
      std::exchange(slots_, std::vector<uint64_t>(2 * slots_.size()));
  count_ = 0;
  for (const uint64_t state : previous)
    if (state != 0) Insert(state);
}

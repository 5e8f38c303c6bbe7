#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A set of search states that led nowhere, each packed into a non-zero 64-bit key and
// stored in place: the search looks one up at every step, and separately allocated
// nodes would cost more than the looking.
class FailedStateTable {
 public:
  bool Contains(uint64_t state) const;
  void Insert(uint64_t state);

 private:
  size_t SlotOf(uint64_t state) const;
  void Grow();

  std::vector<uint64_t> slots_ = std::vector<uint64_t>(256);
  size_t count_ = 0;
};

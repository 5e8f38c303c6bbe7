#include "words/board_search/letter_pair_edges.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>

namespace {

// A flow network small enough that each node's outgoing arcs with room left fit in one
// 64-bit set, so a search for an augmenting path is a few bit operations per node.
class SmallFlow {
 public:
  static constexpr int kNodes = 56;

  void AddArc(int from, int to, int capacity) {
    capacity_[from][to] += capacity;
    Update(from, to);
  }

  int Max(int source, int sink) {
    int total = 0;
    while (int amount = Augment(source, sink)) total += amount;
    return total;
  }

 private:
  int Augment(int source, int sink) {
    std::array<int, kNodes> parent{};
    uint64_t seen = uint64_t{1} << source;
    std::array<int, kNodes> queue{};
    int head = 0;
    int tail = 0;
    queue[tail++] = source;
    while (head < tail && (seen >> sink & 1) == 0) {
      const int node = queue[head++];
      for (uint64_t next = open_[node] & ~seen; next != 0; next &= next - 1) {
        const int to = std::countr_zero(next);
        seen |= uint64_t{1} << to;
        parent[to] = node;
        queue[tail++] = to;
      }
    }
    if ((seen >> sink & 1) == 0) return 0;
    int amount = INT32_MAX;
    for (int node = sink; node != source; node = parent[node])
      amount = std::min(amount, capacity_[parent[node]][node]);
    for (int node = sink; node != source; node = parent[node]) {
      capacity_[parent[node]][node] -= amount;
      capacity_[node][parent[node]] += amount;
      Update(parent[node], node);
      Update(node, parent[node]);
    }
    return amount;
  }

  void Update(int from, int to) {
    const uint64_t bit = uint64_t{1} << to;
    open_[from] = capacity_[from][to] > 0 ? open_[from] | bit : open_[from] & ~bit;
  }

  std::array<std::array<int, kNodes>, kNodes> capacity_{};
  std::array<uint64_t, kNodes> open_{};
};

// How many of a letter's places in the word have the other letter beside them once or
// more, and how many twice.
struct Neighbourhood {
  int once = 0;
  int twice = 0;
};

Neighbourhood CountBesides(const std::string& word, char letter, char other) {
  Neighbourhood count;
  const size_t last = word.size() - 1;
  for (size_t position = 0; position <= last; ++position) {
    if (word[position] != letter) continue;
    const int besides = (position > 0 && word[position - 1] == other) +
                        (position < last && word[position + 1] == other);
    count.once += besides >= 1;
    count.twice += besides == 2;
  }
  return count;
}

int StepsBetween(const std::string& word, char x, char y) {
  int steps = 0;
  for (size_t position = 1; position < word.size(); ++position) {
    const char a = word[position - 1];
    const char b = word[position];
    steps += (a == x && b == y) || (a == y && b == x);
  }
  return steps;
}

// The most distinct steps between cells of `xs` and `ys`: every cell enters the flow
// through two pools, one giving each cell its first step and one its second, sized by the
// word. For X = Y both sides are the same cells and every step is counted from both ends.
int MostSteps(CellSet xs, CellSet ys, Neighbourhood xLimits, Neighbourhood yLimits) {
  enum : int { kSource = 0, kSink = 1, kXFirst = 2, kXSecond = 3, kYFirst = 4, kYSecond = 5 };
  const auto xNode = [](int cell) { return 5 + cell; };
  const auto yNode = [](int cell) { return 30 + cell; };
  SmallFlow flow;
  flow.AddArc(kSource, kXFirst, xLimits.once);
  flow.AddArc(kSource, kXSecond, xLimits.twice);
  flow.AddArc(kYFirst, kSink, yLimits.once);
  flow.AddArc(kYSecond, kSink, yLimits.twice);
  for (CellSet cells = xs; cells != 0; cells &= cells - 1) {
    const int cell = LowestCell(cells);
    flow.AddArc(kXFirst, xNode(cell), 1);
    flow.AddArc(kXSecond, xNode(cell), 1);
    for (CellSet across = kNeighboursOf[cell] & ys; across != 0; across &= across - 1)
      flow.AddArc(xNode(cell), yNode(LowestCell(across)), 1);
  }
  for (CellSet cells = ys; cells != 0; cells &= cells - 1) {
    const int cell = LowestCell(cells);
    flow.AddArc(yNode(cell), kYFirst, 1);
    flow.AddArc(yNode(cell), kYSecond, 1);
  }
  return flow.Max(kSource, kSink);
}

}  // namespace

bool LetterPairEdgesFit(const LetterCells& cells, const std::string& word) {
  for (size_t position = 1; position < word.size(); ++position) {
    char x = word[position - 1];
    char y = word[position];
    if (x > y) std::swap(x, y);
    // Each pair once: only at its first step in the word.
    bool seenBefore = false;
    for (size_t earlier = 1; earlier < position && !seenBefore; ++earlier)
      seenBefore = std::minmax(word[earlier - 1], word[earlier]) == std::minmax(x, y);
    if (seenBefore) continue;
    const int needed = StepsBetween(word, x, y) * (x == y ? 2 : 1);
    const int most = MostSteps(CellsOf(cells, x), CellsOf(cells, y), CountBesides(word, x, y),
                               CountBesides(word, y, x));
    if (most < needed) return false;
  }
  return true;
}

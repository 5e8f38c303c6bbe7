#include "words/path_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// A set of cells: bit (cell - 1) stands for cell 1..25. Moving by +d cells is a shift
// by d, so one step from every cell of a set at once is a handful of shifts.
using CellMask = uint32_t;

constexpr CellMask kAllCells = (CellMask{1} << LetterGrid::kCells) - 1;
constexpr CellMask kColumn1 = 0b00001'00001'00001'00001'00001;
constexpr CellMask kColumn5 = kColumn1 << 4;

constexpr CellMask Bit(int cell) { return CellMask{1} << (cell - 1); }

// The cells of `cells` moved one step, once in each of the eight directions of
// NeighbourOrder. The column masks stop moves that would wrap to the other edge; the
// final mask drops targets past cell 25, and right shifts drop those before cell 1.
constexpr std::array<CellMask, 8> Moves(CellMask cells) {
  const CellMask canGoLeft = cells & ~kColumn1;
  const CellMask canGoRight = cells & ~kColumn5;
  return {canGoLeft >> 6,
          cells >> 5,
          canGoRight >> 4,
          (canGoRight << 1) & kAllCells,
          (canGoRight << 6) & kAllCells,
          (cells << 5) & kAllCells,
          (canGoLeft << 4) & kAllCells,
          canGoLeft >> 1};
}

// The cells one move away from some cell of `cells`: the moves sideways, and then every
// move up or down is one from a cell of `cells` or beside it.
constexpr CellMask Neighbours(CellMask cells) {
  const CellMask sideways = ((cells & ~kColumn1) >> 1) | ((cells & ~kColumn5) << 1);
  const CellMask row = cells | sideways;
  return sideways | row >> 5 | ((row << 5) & kAllCells);
}

// The cells with at least two neighbours in `cells`: counted in bit slices, one
// direction at a time.
CellMask NextToTwo(CellMask cells) {
  CellMask once = 0;
  CellMask twice = 0;
  for (const CellMask moved : Moves(cells)) {
    twice |= once & moved;
    once |= moved;
  }
  return twice;
}

// The neighbours of each single cell, looked up rather than shifted out: the search
// asks for them in its innermost loops.
constexpr std::array<CellMask, LetterGrid::kCells + 1> kNeighboursOf = [] {
  std::array<CellMask, LetterGrid::kCells + 1> table{};
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) table[cell] = Neighbours(Bit(cell));
  return table;
}();

// std::popcount is a library call on processors without a population count
// instruction, which the build does not assume; this runs in the innermost loops.
constexpr int CellCount(CellMask cells) {
  cells -= (cells >> 1) & 0x55555555;
  cells = (cells & 0x33333333) + ((cells >> 2) & 0x33333333);
  cells = (cells + (cells >> 4)) & 0x0F0F0F0F;
  return static_cast<int>((cells * 0x01010101) >> 24);
}

int LowestCell(CellMask cells) { return std::countr_zero(cells) + 1; }

// The cells of `allowed` connected to `cell` through cells of `allowed`.
CellMask PatchAround(int cell, CellMask allowed) {
  CellMask patch = Bit(cell);
  while (true) {
    const CellMask grown = (patch | Neighbours(patch)) & allowed;
    if (grown == patch) return patch;
    patch = grown;
  }
}

// The cells at most `moves` king moves from `cell`, on or off the board.
CellMask WithinKingMoves(int cell, int moves) {
  CellMask reached = Bit(cell);
  for (int move = 0; move < moves && reached != kAllCells; ++move) reached |= Neighbours(reached);
  return reached;
}

// For every byte, the cells on the board that hold it.
using LetterCells = std::array<CellMask, 256>;

LetterCells CellsByLetter(const LetterGrid& grid) {
  LetterCells cells{};
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    if (grid.CellOnBoard[cell]) cells[static_cast<unsigned char>(grid.Letters[cell])] |= Bit(cell);
  return cells;
}

CellMask CellsOf(const LetterCells& cells, char letter) {
  return cells[static_cast<unsigned char>(letter)];
}

// With repeats every walk counts, so it is enough to follow, letter by letter, the set
// of cells on which some walk spelling the word so far can end: linear in the word.
bool WalkExists(const LetterCells& cells, const std::string& word) {
  CellMask ends = CellsOf(cells, word[0]);
  for (size_t position = 1; position < word.size() && ends != 0; ++position)
    ends = (ends | Neighbours(ends)) & CellsOf(cells, word[position]);
  return ends != 0;
}

// For each position of the word, the cells that can hold its letter.
using Candidates = std::array<CellMask, LetterGrid::kCells>;

bool BoardHoldsEnoughOfEachLetter(const LetterCells& cells, const std::string& word) {
  std::array<int, 256> needed{};
  for (const char letter : word) ++needed[static_cast<unsigned char>(letter)];
  for (int letter = 0; letter < 256; ++letter)
    if (needed[letter] > CellCount(cells[letter])) return false;
  return true;
}

// A set of search states (never 0), stored in place: the search looks one up at every
// step, and a set of separately allocated nodes spends longer allocating than looking.
class StateSet {
 public:
  bool Contains(uint64_t state) const {
    for (size_t slot = SlotOf(state);; slot = (slot + 1) & (slots_.size() - 1)) {
      if (slots_[slot] == state) return true;
      if (slots_[slot] == 0) return false;
    }
  }

  void Insert(uint64_t state) {
    if (2 * (count_ + 1) > slots_.size()) Grow();
    size_t slot = SlotOf(state);
    while (slots_[slot] != 0 && slots_[slot] != state) slot = (slot + 1) & (slots_.size() - 1);
    count_ += slots_[slot] == 0;
    slots_[slot] = state;
  }

 private:
  size_t SlotOf(uint64_t state) const {
    return (state * 0x9E3779B97F4A7C15u) >> (64 - std::countr_zero(slots_.size()));
  }

  void Grow() {
    const std::vector<uint64_t> previous =
        std::exchange(slots_, std::vector<uint64_t>(2 * slots_.size()));
    count_ = 0;
    for (const uint64_t state : previous)
      if (state != 0) Insert(state);
  }

  std::vector<uint64_t> slots_ = std::vector<uint64_t>(256);
  size_t count_ = 0;
};

// Depth-first search for a path that never reuses a cell (the word is at most 25
// letters here), in steps of a limited number of explored states so that searches
// from different letters can take turns. The path grows from one letter of the word,
// the anchor, at both of its ends: at every step it grows the end with fewer cells to
// go to. From a rare letter in the middle of the word, both halves start pinned down.
//  - A state is the span of the word the path spells, its two end cells and the set
//    of cells it uses; what can follow depends on nothing else, so a state that failed
//    once is remembered and never explored again.
//  - Before a state is explored, the rest of the word is checked against the unused
//    cells by a few necessary conditions (see RestCanFollow); most dead ends are seen
//    there, long before the path reaches them.
class PathSearch {
 public:
  PathSearch(const LetterCells& cells, const std::string& word, int anchor)
      : cells_(cells), word_(word), last_(static_cast<int>(word.size()) - 1), anchor_(anchor) {
    for (int position = 0; position <= last_; ++position)
      letterIds_[position] = LetterId(word_[position]);
    for (const CellMask letterCells : cells_) board_ |= letterCells;
  }

  enum class Outcome { Found, NotFound, OutOfBudget };

  // Searches on, from where earlier calls left remembered dead states, until the
  // answer is known or `budget` more states have been entered.
  Outcome Run(int64_t budget) {
    budget_ = budget;
    for (CellMask starts = CellsOf(cells_, word_[anchor_]); starts != 0; starts &= starts - 1) {
      const int cell = LowestCell(starts);
      const Outcome outcome = Extend({anchor_, cell, anchor_, cell}, Bit(cell));
      if (outcome != Outcome::NotFound) return outcome;
    }
    return Outcome::NotFound;
  }

 private:
  // The path spells letters `first` to `last` of the word, from `firstCell` to `lastCell`.
  struct Span {
    int first;
    int firstCell;
    int last;
    int lastCell;
  };

  Outcome Extend(const Span& span, CellMask visited) {
    if (span.first == 0 && span.last == last_) return Outcome::Found;
    if (--budget_ < 0) return Outcome::OutOfBudget;
    const uint64_t state = visited | uint64_t(span.firstCell - 1) << 25 |
                           uint64_t(span.lastCell - 1) << 30 | uint64_t(span.first) << 35;
    if (deadStates_.Contains(state)) return Outcome::NotFound;
    Candidates candidates{};
    if (RestCanFollow(span, visited, candidates)) {
      const bool growFirst = GrowFirstEnd(span, candidates);
      const int position = growFirst ? span.first - 1 : span.last + 1;
      for (const int target : NextCells(candidates[position], visited)) {
        if (target == 0) break;
        const Span grown = growFirst ? Span{position, target, span.last, span.lastCell}
                                     : Span{span.first, span.firstCell, position, target};
        const Outcome outcome = Extend(grown, visited | Bit(target));
        if (outcome != Outcome::NotFound) return outcome;
      }
    }
    deadStates_.Insert(state);
    return Outcome::NotFound;
  }

  // The end with fewer cells to go to; with as many, the last.
  bool GrowFirstEnd(const Span& span, const Candidates& candidates) const {
    if (span.first == 0) return false;
    if (span.last == last_) return true;
    return CellCount(candidates[span.first - 1]) < CellCount(candidates[span.last + 1]);
  }

  // The cells of `next`, those with the fewest unused neighbours of their own first
  // (0 ends the list): a path that leaves a corner for later tends to strand it, so
  // this finds long paths sooner. The order never changes the answer.
  std::array<int, 9> NextCells(CellMask next, CellMask visited) const {
    std::array<int, 9> targets{};
    std::array<int, 9> exits{};
    int count = 0;
    for (; next != 0; next &= next - 1) {
      const int target = LowestCell(next);
      const int targetExits = CellCount(kNeighboursOf[target] & ~visited & board_);
      int slot = count++;
      for (; slot > 0 && exits[slot - 1] > targetExits; --slot) {
        targets[slot] = targets[slot - 1];
        exits[slot] = exits[slot - 1];
      }
      targets[slot] = target;
      exits[slot] = targetExits;
    }
    return targets;
  }

  bool InRest(const Span& span, int position) const {
    return position < span.first || position > span.last;
  }

  // Every rule below only ever refuses a state that no path can complete. Leaves in
  // `candidates` the cells each letter of the rest may take, and the span's end cells
  // at its ends.
  bool RestCanFollow(const Span& span, CellMask visited, Candidates& candidates) const {
    if (!WalksCanFollow(span.lastCell, span.last, last_, visited, candidates) ||
        !WalksCanFollow(span.firstCell, span.first, 0, visited, candidates))
      return false;
    candidates[span.first] = Bit(span.firstCell);
    candidates[span.last] = Bit(span.lastCell);
    const LetterDemand demand = DemandOf(span, candidates);
    return EnoughCellsPerLetter(demand) && NarrowLettersCanBeMatched(span, candidates) &&
           DeadEndsAllowPath(span, demand, candidates) &&
           RareLettersCanBePlaced(span, demand, candidates) && RunsFitInPatches(span, visited);
  }

  // Whether the letters from `start` (exclusive) to `end` could follow `cell` on unused
  // cells, in that order, if walks were allowed to reuse cells, except for stepping
  // straight back; a path is such a walk, so no path is lost. Leaves in `candidates`
  // the cells each of those letters can take on such a walk.
  bool WalksCanFollow(int cell, int start, int end, CellMask visited,
                      Candidates& candidates) const {
    if (start == end) return true;
    const int step = end > start ? 1 : -1;
    const CellMask unused = ~visited;
    // Backwards first: the cells from which the rest of the letters could still be walked.
    Candidates canFinish{};
    CellMask later = CellsOf(cells_, word_[end]) & unused;
    canFinish[end] = later;
    for (int next = end - step; next != start; next -= step) {
      later = Neighbours(later) & CellsOf(cells_, word_[next]) & unused;
      if (later == 0) return false;
      canFinish[next] = later;
    }
    // A walk may step anywhere but straight back, which only stops an end that walks
    // reach from a single cell, `cornered`: its one neighbour among the previous ends.
    CellMask ends = Bit(cell);
    CellMask cornered = 0;
    CellMask previousEnds = 0;
    for (int next = start + step; next != end + step; next += step) {
      const CellMask nextEnds =
          (Neighbours(ends & ~cornered) | (Neighbours(cornered) & ~previousEnds)) & canFinish[next];
      if (nextEnds == 0) return false;
      cornered = nextEnds & ~NextToTwo(ends);
      previousEnds = ends;
      ends = nextEnds;
      candidates[next] = ends;
    }
    return true;
  }

  // For each distinct letter of the rest of the word, the candidate cells it may take
  // and how many of them the rest of the word needs.
  struct LetterDemand {
    std::array<CellMask, LetterGrid::kCells> cells{};
    std::array<int, LetterGrid::kCells> needed{};
  };

  LetterDemand DemandOf(const Span& span, const Candidates& candidates) const {
    LetterDemand demand;
    for (int position = 0; position <= last_; ++position) {
      if (!InRest(span, position)) continue;
      demand.cells[letterIds_[position]] |= candidates[position];
      ++demand.needed[letterIds_[position]];
    }
    return demand;
  }

  // A path puts each letter on its own cell, so every distinct letter needs at least
  // as many candidate cells as the rest of the word holds of it.
  bool EnoughCellsPerLetter(const LetterDemand& demand) const {
    for (int id = 0; id < letterCount_; ++id)
      if (CellCount(demand.cells[id]) < demand.needed[id]) return false;
    return true;
  }

  // Each letter of the rest needs a cell of its own. Matching every letter to one of its
  // candidate cells costs too much to do at every step, but the letters with only a few
  // candidates are where such a matching fails: a set of them with fewer cells between
  // them than letters. A matching of part of the letters is needed for one of all.
  bool NarrowLettersCanBeMatched(const Span& span, const Candidates& candidates) const {
    CellHolders holders;
    holders.fill(kNoPosition);
    for (int position = 0; position <= last_; ++position) {
      if (!InRest(span, position) || CellCount(candidates[position]) > kNarrowCells) continue;
      CellMask tried = 0;
      if (!FindCellFor(position, candidates, holders, tried)) return false;
    }
    return true;
  }

  static constexpr int kNarrowCells = 4;
  static constexpr int kNoPosition = -1;
  // For each cell, the position of the word matched to it so far.
  using CellHolders = std::array<int, LetterGrid::kCells + 1>;

  // Gives letter `at` a candidate cell, moving earlier letters to other cells of theirs
  // where needed (an augmenting path); `tried` keeps each cell to one visit.
  static bool FindCellFor(int at, const Candidates& candidates, CellHolders& holders,
                          CellMask& tried) {
    for (CellMask choices = candidates[at]; choices != 0; choices &= choices - 1) {
      const int cell = LowestCell(choices);
      if ((tried & Bit(cell)) != 0) continue;
      tried |= Bit(cell);
      if (holders[cell] == kNoPosition || FindCellFor(holders[cell], candidates, holders, tried)) {
        holders[cell] = at;
        return true;
      }
    }
    return false;
  }

  // A candidate cell that cannot sit inside the path is either left out or is one of
  // the path's two end cells still to be placed. A letter can leave out only as many of
  // its candidate cells as it has to spare, so all but those few dead ends must be left
  // out, and those that cannot take a letter at a free end always are.
  bool DeadEndsAllowPath(const Span& span, const LetterDemand& demand,
                         const Candidates& candidates) const {
    CellMask endCells = 0;
    int freeEnds = 0;
    if (span.first > 0) endCells |= candidates[0], ++freeEnds;
    if (span.last < last_) endCells |= candidates[last_], ++freeEnds;
    const CellMask inside = CanBeInside(span, candidates);
    int deadEndsUsed = 0;
    for (int id = 0; id < letterCount_; ++id) {
      const int spare = CellCount(demand.cells[id]) - demand.needed[id];
      const CellMask deadEnds = demand.cells[id] & ~inside;
      if (CellCount(deadEnds & ~endCells) > spare) return false;
      deadEndsUsed += std::max(0, CellCount(deadEnds) - spare);
    }
    return deadEndsUsed <= freeEnds;
  }

  // The candidate cells that can sit inside the path. There a cell holding letter i
  // has two distinct neighbours on the path: one holding letter i - 1 and one holding
  // letter i + 1.
  CellMask CanBeInside(const Span& span, const Candidates& candidates) const {
    CellMask inside = 0;
    for (int position = 1; position < last_; ++position) {
      if (!InRest(span, position)) continue;
      const CellMask before = candidates[position - 1];
      const CellMask after = candidates[position + 1];
      inside |=
          candidates[position] & Neighbours(before) & Neighbours(after) & NextToTwo(before | after);
    }
    return inside;
  }

  // A letter on few cells pins the path down: its occurrences need distinct cells, and
  // two occurrences k letters apart lie at most k king moves apart, as does the one
  // nearest to an end of the span from that end's cell. The walks above may reuse a
  // cell and so miss this; trying every placement is cheap while the letter has only a
  // handful of candidate cells.
  bool RareLettersCanBePlaced(const Span& span, const LetterDemand& demand,
                              const Candidates& candidates) const {
    for (int id = 0; id < letterCount_; ++id) {
      const int cellCount = CellCount(demand.cells[id]);
      if (cellCount > kRareCells || demand.needed[id] < 2) continue;
      Occurrences occurrences;
      // Outwards from the span: first after it, then before it.
      for (int position = span.last + 1; position <= last_; ++position)
        if (letterIds_[position] == id && !occurrences.Add(position, cellCount)) return false;
      occurrences.beforeSpan = occurrences.count;
      for (int position = span.first - 1; position >= 0; --position)
        if (letterIds_[position] == id && !occurrences.Add(position, cellCount)) return false;
      if (!CanPlace(span, occurrences, 0, span.lastCell, span.last, 0, candidates)) return false;
    }
    return true;
  }

  static constexpr int kRareCells = 5;

  struct Occurrences {
    std::array<int, kRareCells> positions{};
    int count = 0;
    int beforeSpan = 0;  // index of the first occurrence before the span

    // False when there are more occurrences than cells for them.
    bool Add(int position, int cellCount) {
      if (count == cellCount) return false;
      positions[count++] = position;
      return true;
    }
  };

  // Places occurrences from `index` on, the previous one (or the span's end) being on
  // `previousCell` at `previousPosition`, avoiding the cells in `taken`.
  static bool CanPlace(const Span& span, const Occurrences& occurrences, int index,
                       int previousCell, int previousPosition, CellMask taken,
                       const Candidates& candidates) {
    if (index == occurrences.count) return true;
    if (index == occurrences.beforeSpan) {
      previousCell = span.firstCell;
      previousPosition = span.first;
    }
    const int at = occurrences.positions[index];
    CellMask choices =
        candidates[at] & ~taken & WithinKingMoves(previousCell, std::abs(at - previousPosition));
    for (; choices != 0; choices &= choices - 1) {
      const int choice = LowestCell(choices);
      if (CanPlace(span, occurrences, index + 1, choice, at, taken | Bit(choice), candidates))
        return true;
    }
    return false;
  }

  // A run of equal letters in the word is a path through cells of that letter, so it
  // lies inside one patch: a set of cells of the letter connected through each other.
  // Runs sharing a patch use distinct cells of it, so a patch can take at most the
  // largest total of runs that fits in it, and the patches together must take every
  // run. The runs are counted from the span's end letters on, with their cells counted
  // free, so that a run the path is in the middle of is counted whole.
  bool RunsFitInPatches(const Span& span, CellMask visited) const {
    const CellMask free = ~visited | Bit(span.firstCell) | Bit(span.lastCell);
    for (int id = 0; id < letterCount_; ++id) {
      uint32_t totals = 1;
      if (span.first == span.last) {
        AddRunTotals(0, last_, id, totals);
      } else {
        AddRunTotals(0, span.first, id, totals);
        AddRunTotals(span.last, last_, id, totals);
      }
      const int needed = std::bit_width(totals) - 1;
      if (needed == 0) continue;
      int room = 0;
      for (CellMask rest = CellsOf(cells_, distinctLetters_[id]) & free; rest != 0;) {
        const CellMask patch = PatchAround(LowestCell(rest), rest);
        rest &= ~patch;
        room += LargestTotalWithin(totals, CellCount(patch));
      }
      if (room < needed) return false;
    }
    return true;
  }

  // Adds to `totals` (bit t for total t) the runs of letter `id` from `from` to `to`:
  // afterwards it holds every total that some choice of the runs so far adds up to.
  void AddRunTotals(int from, int to, int id, uint32_t& totals) const {
    for (int position = from; position <= to;) {
      int end = position;
      while (end <= to && letterIds_[end] == letterIds_[position]) ++end;
      if (letterIds_[position] == id) totals |= totals << (end - position);
      position = end;
    }
  }

  static int LargestTotalWithin(uint32_t totals, int size) {
    const uint32_t fitting = totals & ((uint32_t{2} << size) - 1);
    return std::bit_width(fitting) - 1;
  }

  int LetterId(char letter) {
    for (int id = 0; id < letterCount_; ++id)
      if (distinctLetters_[id] == letter) return id;
    distinctLetters_[letterCount_] = letter;
    return letterCount_++;
  }

  const LetterCells& cells_;
  const std::string& word_;
  const int last_;  // the position of the word's last letter
  const int anchor_;
  std::array<char, LetterGrid::kCells> distinctLetters_{};
  std::array<int, LetterGrid::kCells> letterIds_{};
  int letterCount_ = 0;
  CellMask board_ = 0;
  int64_t budget_ = 0;
  StateSet deadStates_;
};

// The position of a letter on the fewest cells; among those, the one nearest the
// middle of the word, where the path has two long halves to grow.
int RarestPosition(const LetterCells& cells, const std::string& word) {
  const int last = static_cast<int>(word.size()) - 1;
  const auto rank = [&](int position) {
    return CellCount(CellsOf(cells, word[position])) * 2 * LetterGrid::kCells +
           std::abs(2 * position - last);
  };
  int rarest = 0;
  for (int position = 1; position <= last; ++position)
    if (rank(position) < rank(rarest)) rarest = position;
  return rarest;
}

// Growing the path from its rarest letter refutes a word soonest. Growing it from one
// end, fewest exits first, is what finds a long path soonest: two growing ends can
// strand cells between them. Which start wins is hard to tell beforehand, so the
// searches from the rarest letter, the first and the last take turns with a doubling
// budget, and the answer comes at most about six times later than from the best of
// them alone.
bool PathExists(const LetterCells& cells, const std::string& word) {
  const int last = static_cast<int>(word.size()) - 1;
  const int rarest = RarestPosition(cells, word);
  std::vector<PathSearch> searches;
  searches.reserve(3);
  searches.emplace_back(cells, word, rarest);
  if (rarest != 0) searches.emplace_back(cells, word, 0);
  if (rarest != last) searches.emplace_back(cells, word, last);
  for (int64_t budget = 64;; budget *= 2) {
    for (PathSearch& search : searches) {
      const PathSearch::Outcome outcome = search.Run(budget);
      if (outcome != PathSearch::Outcome::OutOfBudget) return outcome == PathSearch::Outcome::Found;
    }
  }
}

}  // namespace

bool InPuzzle(const LetterGrid& grid, const std::string& word, bool repeatingLettersAllowed) {
  if (word.size() < 2) return false;
  const LetterCells cells = CellsByLetter(grid);
  if (repeatingLettersAllowed) return WalkExists(cells, word);
  // Cheap refusals first: they also guarantee the word fits the arrays of the search.
  if (!BoardHoldsEnoughOfEachLetter(cells, word)) return false;
  return PathExists(cells, word);
}

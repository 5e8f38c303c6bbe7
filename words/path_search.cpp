#include "words/path_search.h"

#include <array>
#include <bit>
#include <cstdint>
#include <unordered_set>
#include <utility>

namespace {

// A set of cells: bit (cell - 1) stands for cell 1..25. Moving by +d cells is a shift
// by d, so one step from every cell of a set at once is a handful of shifts.
using CellMask = uint32_t;

constexpr CellMask kAllCells = (CellMask{1} << LetterGrid::kCells) - 1;
constexpr CellMask kColumn1 = 0b00001'00001'00001'00001'00001;
constexpr CellMask kColumn5 = kColumn1 << 4;

constexpr CellMask Bit(int cell) { return CellMask{1} << (cell - 1); }

// The cells one move away from some cell of `cells`, in the eight directions of
// NeighbourOrder. The column masks stop moves that would wrap to the other edge; the
// final mask drops targets past cell 25, and right shifts drop those before cell 1.
CellMask Neighbours(CellMask cells) {
  const CellMask canGoLeft = cells & ~kColumn1;
  const CellMask canGoRight = cells & ~kColumn5;
  const CellMask reached = (canGoLeft >> 6) | (cells >> 5) | (canGoRight >> 4) |
                           (canGoRight << 1) | (canGoRight << 6) | (cells << 5) |
                           (canGoLeft << 4) | (canGoLeft >> 1);
  return reached & kAllCells;
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
  for (int move = 0; move < moves && reached != kAllCells; ++move)
    reached |= Neighbours(reached);
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

// For each cell, the set of cells a walk may have stepped onto it from.
using CameFrom = std::array<CellMask, LetterGrid::kCells + 1>;
// Stands for "the walk starts here": never a cell, so it never blocks a step.
constexpr CellMask kNoCell = CellMask{1} << 31;

bool BoardHoldsEnoughOfEachLetter(const LetterCells& cells, const std::string& word) {
  std::array<int, 256> needed{};
  for (const char letter : word) ++needed[static_cast<unsigned char>(letter)];
  for (int letter = 0; letter < 256; ++letter)
    if (needed[letter] > std::popcount(cells[letter])) return false;
  return true;
}

// Depth-first search for a path that never reuses a cell (the word is at most 25
// letters here), in steps of a limited number of explored states so that the search
// from the word's first letter and the one from its last can take turns.
//  - A state is the path's last cell and the set of cells it has used (the position in
//    the word is the size of that set); what can follow depends on nothing else, so a
//    state that failed once is remembered and never explored again. The work is thus
//    bounded by the number of distinct states: at position p at most
//    n(w_p) * product over letters c of C(n(c), k_c), with n(c) the cells holding c and
//    k_c the number of c among the first p letters.
//  - Before a state is explored, the rest of the word is checked against the unused
//    cells by a few necessary conditions (see RestCanFollow); most dead ends are seen
//    there, long before the path reaches them.
class SimplePathSearch {
 public:
  SimplePathSearch(const LetterCells& cells, std::string word)
      : cells_(cells), word_(std::move(word)) {
    for (size_t position = 0; position < word_.size(); ++position)
      letterIds_[position] = LetterId(word_[position]);
    for (const CellMask letterCells : cells_) board_ |= letterCells;
  }

  enum class Outcome { Found, NotFound, OutOfBudget };

  // Searches on, from where earlier calls left remembered dead states, until the
  // answer is known or `budget` more states have been entered.
  Outcome Run(int64_t budget) {
    budget_ = budget;
    for (CellMask starts = CellsOf(cells_, word_[0]); starts != 0; starts &= starts - 1) {
      const int cell = LowestCell(starts);
      const Outcome outcome = ExtendPath(cell, 1, Bit(cell));
      if (outcome != Outcome::NotFound) return outcome;
    }
    return Outcome::NotFound;
  }

 private:
  // The path spells the first `position` letters, ends on `cell` and uses `visited`.
  Outcome ExtendPath(int cell, size_t position, CellMask visited) {
    if (position == word_.size()) return Outcome::Found;
    if (--budget_ < 0) return Outcome::OutOfBudget;
    const uint32_t state = (visited << 5) | static_cast<uint32_t>(cell - 1);
    if (deadStates_.contains(state)) return Outcome::NotFound;
    if (RestCanFollow(cell, position, visited)) {
      for (const int target : NextCells(cell, position, visited)) {
        if (target == 0) break;
        const Outcome outcome = ExtendPath(target, position + 1, visited | Bit(target));
        if (outcome != Outcome::NotFound) return outcome;
      }
    }
    deadStates_.insert(state);
    return Outcome::NotFound;
  }

  // The unused neighbours of `cell` holding letter `position`, those with the fewest
  // unused neighbours of their own first (0 ends the list): a path that leaves a corner
  // for later tends to strand it, so this finds long paths sooner. The order never
  // changes the answer.
  std::array<int, 9> NextCells(int cell, size_t position, CellMask visited) const {
    std::array<int, 9> targets{};
    std::array<int, 9> exits{};
    int count = 0;
    CellMask next = Neighbours(Bit(cell)) & CellsOf(cells_, word_[position]) & ~visited;
    for (; next != 0; next &= next - 1) {
      const int target = LowestCell(next);
      const int targetExits = std::popcount(Neighbours(Bit(target)) & ~visited & board_);
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

  // Every rule below only ever refuses a state that no path can complete. The runs are
  // checked from the path's last letter on, with its cell counted free, so that a run
  // the path is in the middle of is counted whole.
  bool RestCanFollow(int cell, size_t position, CellMask visited) const {
    Candidates candidates{};
    if (!WalksCanFollow(cell, position, visited, candidates)) return false;
    const LetterDemand demand = DemandOf(position, candidates);
    return EnoughCellsPerLetter(demand) && DeadEndsAllowPath(cell, position, demand, candidates) &&
           RareLettersCanBePlaced(cell, position, candidates) &&
           RunsFitInPatches(position - 1, visited & ~Bit(cell));
  }

  // For each position of the word, the cells that can hold its letter.
  using Candidates = std::array<CellMask, LetterGrid::kCells>;

  // Whether letters from `position` on could follow `cell` on unused cells if walks
  // were allowed to reuse cells, except for staying put or stepping straight back; a
  // path is such a walk, so no path is lost. Leaves in `candidates` the cells each
  // letter can take on such a walk.
  bool WalksCanFollow(int cell, size_t position, CellMask visited,
                      Candidates& candidates) const {
    const CellMask unused = ~visited;
    // Backwards first: the cells from which the rest of the word could still be walked.
    std::array<CellMask, LetterGrid::kCells> canFinish{};
    CellMask later = CellsOf(cells_, word_.back()) & unused;
    canFinish[word_.size() - 1] = later;
    for (size_t next = word_.size() - 1; next-- > position;) {
      later = Neighbours(later) & CellsOf(cells_, word_[next]) & unused;
      if (later == 0) return false;
      canFinish[next] = later;
    }
    CameFrom from{};
    from[cell] = kNoCell;
    CellMask ends = Bit(cell);
    for (size_t next = position; next < word_.size(); ++next) {
      CameFrom nextFrom{};
      CellMask nextEnds = 0;
      for (CellMask rest = ends; rest != 0; rest &= rest - 1) {
        const int at = LowestCell(rest);
        for (CellMask targets = Neighbours(Bit(at)) & canFinish[next]; targets != 0;
             targets &= targets - 1) {
          const int target = LowestCell(targets);
          if ((from[at] & ~Bit(target)) == 0) continue;
          nextFrom[target] |= Bit(at);
          nextEnds |= Bit(target);
        }
      }
      if (nextEnds == 0) return false;
      from = nextFrom;
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

  LetterDemand DemandOf(size_t position, const Candidates& candidates) const {
    LetterDemand demand;
    for (size_t next = position; next < word_.size(); ++next) {
      demand.cells[letterIds_[next]] |= candidates[next];
      ++demand.needed[letterIds_[next]];
    }
    return demand;
  }

  // A path puts each letter on its own cell, so every distinct letter needs at least
  // as many candidate cells as the rest of the word holds of it.
  bool EnoughCellsPerLetter(const LetterDemand& demand) const {
    for (int id = 0; id < letterCount_; ++id)
      if (std::popcount(demand.cells[id]) < demand.needed[id]) return false;
    return true;
  }

  // A letter with exactly as many candidate cells as the rest needs uses all of them.
  // Each such cell that cannot sit inside the path must be its last cell, so there may
  // be one at most, and it must be able to take the last letter.
  bool DeadEndsAllowPath(int cell, size_t position, const LetterDemand& demand,
                         const Candidates& candidates) const {
    CellMask deadEnds = 0;
    for (int id = 0; id < letterCount_; ++id) {
      if (std::popcount(demand.cells[id]) != demand.needed[id]) continue;
      for (CellMask rest = demand.cells[id]; rest != 0; rest &= rest - 1) {
        const int at = LowestCell(rest);
        if (!CanBeInside(at, cell, position, candidates)) deadEnds |= Bit(at);
      }
    }
    return std::popcount(deadEnds) <= 1 && (deadEnds & ~candidates[word_.size() - 1]) == 0;
  }

  // Inside the path, a cell holding letter i has two distinct neighbours on it: one
  // holding letter i - 1 (or `cell`, for the next letter) and one holding letter i + 1.
  bool CanBeInside(int at, int cell, size_t position, const Candidates& candidates) const {
    const CellMask around = Neighbours(Bit(at));
    for (size_t i = position; i + 1 < word_.size(); ++i) {
      if ((candidates[i] & Bit(at)) == 0) continue;
      const CellMask before = (i == position ? Bit(cell) : candidates[i - 1]) & around;
      const CellMask after = candidates[i + 1] & around;
      if (before != 0 && after != 0 && std::popcount(before | after) >= 2) return true;
    }
    return false;
  }

  // A letter on few cells pins the path down: its occurrences need distinct cells, and
  // two occurrences k letters apart lie at most k king moves apart, as does the first
  // one from `cell`. The walks above may reuse a cell and so miss this; trying every
  // placement is cheap while the letter has only a handful of candidate cells.
  bool RareLettersCanBePlaced(int cell, size_t position, const Candidates& candidates) const {
    for (int id = 0; id < letterCount_; ++id) {
      CellMask letterCells = 0;
      for (size_t next = position; next < word_.size(); ++next)
        if (letterIds_[next] == id) letterCells |= candidates[next];
      const int cellCount = std::popcount(letterCells);
      if (cellCount > kRareCells) continue;
      Occurrences occurrences;
      for (size_t next = position; next < word_.size(); ++next) {
        if (letterIds_[next] != id) continue;
        if (occurrences.count == cellCount) return false;  // more letters than cells
        occurrences.positions[occurrences.count++] = next;
      }
      if (occurrences.count < 2) continue;
      if (!CanPlace(occurrences, 0, cell, position - 1, 0, candidates)) return false;
    }
    return true;
  }

  static constexpr int kRareCells = 5;

  struct Occurrences {
    std::array<size_t, kRareCells> positions{};
    int count = 0;
  };

  // Places occurrences from `index` on, the previous one (or the path's end) being on
  // `previousCell` at `previousPosition`, avoiding the cells in `taken`.
  static bool CanPlace(const Occurrences& occurrences, int index, int previousCell,
                       size_t previousPosition, CellMask taken, const Candidates& candidates) {
    if (index == occurrences.count) return true;
    const size_t at = occurrences.positions[index];
    CellMask choices = candidates[at] & ~taken &
                       WithinKingMoves(previousCell, static_cast<int>(at - previousPosition));
    for (; choices != 0; choices &= choices - 1) {
      const int choice = LowestCell(choices);
      if (CanPlace(occurrences, index + 1, choice, at, taken | Bit(choice), candidates))
        return true;
    }
    return false;
  }

  // A run of equal letters in the rest of the word is a path through cells of that
  // letter, so it lies inside one patch: a set of unused cells of the letter connected
  // through each other. Runs sharing a patch use distinct cells of it, so a patch can
  // take at most the largest total of runs that fits in it, and the patches together
  // must take every run.
  bool RunsFitInPatches(size_t position, CellMask visited) const {
    for (int id = 0; id < letterCount_; ++id) {
      const CellMask unused = CellsOf(cells_, distinctLetters_[id]) & ~visited;
      const uint32_t totals = RunTotals(position, id);
      if (totals == 0) continue;
      const int needed = std::bit_width(totals) - 1;
      int room = 0;
      for (CellMask rest = unused; rest != 0;) {
        const CellMask patch = PatchAround(LowestCell(rest), rest);
        rest &= ~patch;
        room += LargestTotalWithin(totals, std::popcount(patch));
      }
      if (room < needed) return false;
    }
    return true;
  }

  // The totals that some choice of the runs of letter `id` from `position` on adds up to,
  // as a set of bits (bit t for total t); 0 when the letter does not occur.
  uint32_t RunTotals(size_t position, int id) const {
    uint32_t totals = 1;
    bool occurs = false;
    for (size_t next = position; next < word_.size();) {
      size_t end = next;
      while (end < word_.size() && letterIds_[end] == letterIds_[next]) ++end;
      if (letterIds_[next] == id) {
        totals |= totals << (end - next);
        occurs = true;
      }
      next = end;
    }
    return occurs ? totals : 0;
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
  const std::string word_;
  std::array<char, LetterGrid::kCells> distinctLetters_{};
  std::array<int, LetterGrid::kCells> letterIds_{};
  int letterCount_ = 0;
  CellMask board_ = 0;
  int64_t budget_ = 0;
  std::unordered_set<uint32_t> deadStates_;
};

// A path read backwards spells the word backwards, so the search may start from either
// end. Which end leads to less work depends on where the word's rare letters and
// dead ends lie, which is hard to tell beforehand; so both searches take turns with a
// doubling budget, and the answer comes at most about four times later than from the
// better of the two alone.
bool PathExists(const LetterCells& cells, const std::string& word) {
  SimplePathSearch fromFirst(cells, word);
  SimplePathSearch fromLast(cells, std::string(word.rbegin(), word.rend()));
  for (int64_t budget = 64;; budget *= 2) {
    for (SimplePathSearch* search : {&fromFirst, &fromLast}) {
      const SimplePathSearch::Outcome outcome = search->Run(budget);
      if (outcome != SimplePathSearch::Outcome::OutOfBudget)
        return outcome == SimplePathSearch::Outcome::Found;
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

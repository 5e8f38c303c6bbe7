#include "words/path_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "words/cell_set.h"
#include "words/failed_state_table.h"

namespace {

// For every byte, the cells on the board that hold it.
using LetterCells = std::array<CellSet, 256>;

LetterCells CellsByLetter(const LetterGrid& grid) {
  LetterCells cells{};
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    if (grid.CellOnBoard[cell]) cells[static_cast<unsigned char>(grid.Letters[cell])] |= Bit(cell);
  return cells;
}

CellSet CellsOf(const LetterCells& cells, char letter) {
  return cells[static_cast<unsigned char>(letter)];
}

// With repeats every walk counts, so it is enough to follow, letter by letter, the set
// of cells on which some walk spelling the word so far can end: linear in the word.
bool WalkExists(const LetterCells& cells, const std::string& word) {
  CellSet ends = CellsOf(cells, word[0]);
  for (size_t position = 1; position < word.size() && ends != 0; ++position)
    ends = (ends | Neighbours(ends)) & CellsOf(cells, word[position]);
  return ends != 0;
}

bool BoardHoldsEnoughOfEachLetter(const LetterCells& cells, const std::string& word) {
  std::array<int, 256> needed{};
  for (const char letter : word) ++needed[static_cast<unsigned char>(letter)];
  for (int letter = 0; letter < 256; ++letter)
    if (needed[letter] > CellCount(cells[letter])) return false;
  return true;
}

constexpr int kMaxLetters = LetterGrid::kCells;
// Something for each position of the word, or for each distinct letter of it.
using PerPosition = std::array<CellSet, kMaxLetters>;
using PerLetter = std::array<CellSet, kMaxLetters>;

// Depth-first search for a path that never reuses a cell (the word is at most 25
// letters here), from the word's first letter to its last, in steps of a limited number
// of states so that a search of the reversed word can take turns with it.
//  - Before a state is explored, the rest of the word is checked against the unused
//    cells by necessary conditions (see Candidates and RestFits); most dead ends are
//    seen there, long before the path reaches them.
//  - What can follow a path depends only on the position in the word, the cell the
//    path ends on and the cells the rest of the word can still take. A state that
//    failed is remembered by those and never explored again: paths that leave the same
//    cells for the rest share one entry, whatever cells they used themselves.
class PathSearch {
 public:
  PathSearch(const LetterCells& cells, const std::string& word)
      : last_(static_cast<int>(word.size()) - 1) {
    for (int position = 0; position <= last_; ++position) {
      cellsAt_[position] = CellsOf(cells, word[position]);
      letterIds_[position] = LetterId(word[position]);
      letterCells_[letterIds_[position]] = cellsAt_[position];
    }
  }

  enum class Outcome { Found, NotFound, OutOfBudget };

  // Searches on, past the failed states earlier calls remembered, until the answer is
  // known or `budget` more states have been entered.
  Outcome Run(int64_t budget) {
    budget_ = budget;
    for (CellSet starts = cellsAt_[0]; starts != 0; starts &= starts - 1) {
      const int cell = LowestCell(starts);
      const Outcome outcome = Extend(0, cell, Bit(cell), cellsAt_);
      if (outcome != Outcome::NotFound) return outcome;
    }
    return Outcome::NotFound;
  }

 private:
  // The path spells the word up to `position`, ends on `cell` and uses the cells `used`.
  Outcome Extend(int position, int cell, CellSet used, const PerPosition& allowed) {
    if (position == last_) return Outcome::Found;
    if (--budget_ < 0) return Outcome::OutOfBudget;
    PerPosition candidates{};
    const CellSet reach = Candidates(position, cell, ~used, allowed, candidates);
    if (reach == 0) return Outcome::NotFound;
    const uint64_t state = reach | uint64_t(cell) << 25 | uint64_t(position) << 30;
    if (failed_.Contains(state)) return Outcome::NotFound;
    if (RestFits(position, cell, candidates, reach)) {
      for (const int next : NextCells(kNeighboursOf[cell] & candidates[position + 1], reach)) {
        if (next == 0) break;
        const Outcome outcome = Extend(position + 1, next, used | Bit(next), candidates);
        if (outcome != Outcome::NotFound) return outcome;
      }
    }
    failed_.Insert(state);
    return Outcome::NotFound;
  }

  // The cells of `next`, those with the fewest neighbours left in `reach` first (0 ends
  // the list): a path that leaves a corner for later tends to strand it, so this finds
  // long paths sooner. The order never changes the answer.
  static std::array<int, 9> NextCells(CellSet next, CellSet reach) {
    std::array<int, 9> targets{};
    std::array<int, 9> exits{};
    int count = 0;
    for (; next != 0; next &= next - 1) {
      const int target = LowestCell(next);
      const int targetExits = CellCount(kNeighboursOf[target] & reach);
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

  // The cells each letter after `position` can take on walks from `cell` through
  // `unused` cells that may reuse cells: forwards the cells each letter can be reached
  // on, then backwards those from which the rest can still be walked. Each letter keeps
  // within the cells `allowed` it, those the parent state left it: a path onwards from
  // here is one onwards from there. Answers the union of the candidates, the only cells
  // a path onwards can use, or 0 when no walk spells the rest.
  CellSet Candidates(int position, int cell, CellSet unused, const PerPosition& allowed,
                     PerPosition& candidates) const {
    CellSet ends = Bit(cell);
    for (int next = position + 1; next <= last_; ++next) {
      ends = Neighbours(ends) & allowed[next] & unused;
      if (ends == 0) return 0;
      candidates[next] = ends;
    }
    // Going back, a path is held tighter than a walk: inside it a letter has two
    // distinct neighbours, one for the letter before it and one for the letter after.
    CellSet reach = candidates[last_];
    for (int next = last_ - 1; next > position; --next) {
      const CellSet before = next == position + 1 ? Bit(cell) : candidates[next - 1];
      const CellSet after = candidates[next + 1];
      candidates[next] &= Neighbours(after) & NextToTwo(before | after);
      if (candidates[next] == 0) return 0;
      reach |= candidates[next];
    }
    return reach;
  }

  // Necessary conditions for the letters after `position` to take distinct cells.
  bool RestFits(int position, int cell, const PerPosition& candidates, CellSet reach) const {
    return EnoughCellsPerLetter(position, candidates) &&
           NarrowLettersCanBeMatched(position, candidates) && RunsFitInPatches(position, reach) &&
           RareLettersCanBePlaced(position, cell, candidates);
  }

  // Every distinct letter needs as many candidate cells as the rest holds of it. The
  // cells that are candidates for the last letter only (dead ends: they lack the two
  // neighbours a letter inside the path has) serve it once, however many there are.
  bool EnoughCellsPerLetter(int position, const PerPosition& candidates) const {
    PerLetter inside{};
    std::array<int, kMaxLetters> needed{};
    for (int next = position + 1; next < last_; ++next) {
      inside[letterIds_[next]] |= candidates[next];
      ++needed[letterIds_[next]];
    }
    const int lastId = letterIds_[last_];
    ++needed[lastId];
    const bool deadEnd = (candidates[last_] & ~inside[lastId]) != 0;
    for (int id = 0; id < letterCount_; ++id)
      if (CellCount(inside[id]) + (id == lastId && deadEnd) < needed[id]) return false;
    return true;
  }

  // Matching every letter to a candidate cell of its own costs too much to do at every
  // step, but the letters with only a few candidates are where such a matching fails: a
  // set of them with fewer cells between them than letters. A matching of part of the
  // letters is needed for one of all.
  bool NarrowLettersCanBeMatched(int position, const PerPosition& candidates) const {
    CellHolders holders;
    holders.fill(kNoPosition);
    for (int next = position + 1; next <= last_; ++next) {
      if (!AtMostCells(candidates[next], kNarrowCells)) continue;
      CellSet tried = 0;
      if (!FindCellFor(next, candidates, holders, tried)) return false;
    }
    return true;
  }

  static constexpr int kNarrowCells = 4;

  // Cheaper than counting every cell, and asked for every letter at every step.
  static bool AtMostCells(CellSet cells, int count) {
    for (; count > 0 && cells != 0; --count) cells &= cells - 1;
    return cells == 0;
  }

  static constexpr int kNoPosition = -1;
  // For each cell, the position of the word matched to it so far.
  using CellHolders = std::array<int, LetterGrid::kCells + 1>;

  // Gives letter `at` a candidate cell, moving earlier letters to other cells of theirs
  // where needed (an augmenting path); `tried` keeps each cell to one visit.
  static bool FindCellFor(int at, const PerPosition& candidates, CellHolders& holders,
                          CellSet& tried) {
    for (CellSet choices = candidates[at] & ~tried; choices != 0; choices &= choices - 1) {
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

  // A run of equal letters in the word is a path through cells of that letter, so it
  // lies inside one patch: a set of those cells connected through each other. Runs in
  // one patch use distinct cells of it, so a patch takes at most the largest total of
  // runs that fits in it, and the patches together must take every run.
  bool RunsFitInPatches(int position, CellSet reach) const {
    for (int id = 0; id < letterCount_; ++id) {
      uint32_t totals = 1;  // bit t: some choice of the runs adds up to t letters
      int needed = 0;
      int longest = 0;
      for (int next = position + 1; next <= last_;) {
        int end = next;
        while (end <= last_ && letterIds_[end] == letterIds_[next]) ++end;
        if (letterIds_[next] == id) {
          totals |= totals << (end - next);
          needed += end - next;
          longest = std::max(longest, end - next);
        }
        next = end;
      }
      if (longest < 2) continue;  // single letters are counted in EnoughCellsPerLetter
      int room = 0;
      for (CellSet rest = letterCells_[id] & reach; rest != 0;) {
        const CellSet patch = ConnectedWithin(rest & -rest, rest);
        rest &= ~patch;
        const uint32_t fitting = totals & ((uint32_t{2} << CellCount(patch)) - 1);
        room += std::bit_width(fitting) - 1;
      }
      if (room < needed) return false;
    }
    return true;
  }

  // A letter on few cells pins the path down: its occurrences need distinct cells, and
  // two occurrences k letters apart lie at most k king moves apart, as does the first
  // from the path's end. The walks above may reuse a cell and so miss this; trying
  // every placement is cheap while the letter has only a handful of candidate cells.
  bool RareLettersCanBePlaced(int position, int cell, const PerPosition& candidates) const {
    PerLetter letterCandidates{};
    for (int next = position + 1; next <= last_; ++next)
      letterCandidates[letterIds_[next]] |= candidates[next];
    for (int id = 0; id < letterCount_; ++id) {
      if (!AtMostCells(letterCandidates[id], kRareCells)) continue;
      Occurrences occurrences;
      for (int next = position + 1; next <= last_; ++next) {
        if (letterIds_[next] != id) continue;
        // More occurrences than cells: EnoughCellsPerLetter has refused the state.
        if (occurrences.count == kRareCells) return false;
        occurrences.positions[occurrences.count++] = next;
      }
      if (occurrences.count >= 2 && !CanPlace(occurrences, 0, cell, position, 0, candidates))
        return false;
    }
    return true;
  }

  static constexpr int kRareCells = 5;

  struct Occurrences {
    std::array<int, kRareCells> positions{};
    int count = 0;
  };

  // Places occurrences from `index` on, the one before (or the path's end) being on
  // `previousCell` at `previousPosition`, avoiding the cells in `taken`.
  static bool CanPlace(const Occurrences& occurrences, int index, int previousCell,
                       int previousPosition, CellSet taken, const PerPosition& candidates) {
    if (index == occurrences.count) return true;
    const int at = occurrences.positions[index];
    CellSet choices =
        candidates[at] & ~taken & WithinKingMoves(previousCell, at - previousPosition);
    for (; choices != 0; choices &= choices - 1) {
      const int choice = LowestCell(choices);
      if (CanPlace(occurrences, index + 1, choice, at, taken | Bit(choice), candidates))
        return true;
    }
    return false;
  }

  // The cells at most `moves` king moves from `cell`, on or off the board.
  static CellSet WithinKingMoves(int cell, int moves) {
    CellSet reached = Bit(cell);
    for (int move = 0; move < moves && reached != kAllCells; ++move) reached |= Neighbours(reached);
    return reached;
  }

  int LetterId(char letter) {
    for (int id = 0; id < letterCount_; ++id)
      if (distinctLetters_[id] == letter) return id;
    distinctLetters_[letterCount_] = letter;
    return letterCount_++;
  }

  const int last_;         // the position of the word's last letter
  PerPosition cellsAt_{};  // the cells holding each letter of the word
  std::array<int, kMaxLetters> letterIds_{};
  std::array<char, kMaxLetters> distinctLetters_{};
  PerLetter letterCells_{};
  int letterCount_ = 0;
  int64_t budget_ = 0;
  FailedStateTable failed_;
};

// Which end of the word to start the path from is hard to tell beforehand: one is
// often many times faster. So a search from each end takes turns with a doubling
// budget, and the answer comes at most about four times later than from the faster.
bool PathExists(const LetterCells& cells, const std::string& word) {
  PathSearch forwards(cells, word);
  PathSearch backwards(cells, std::string(word.rbegin(), word.rend()));
  for (int64_t budget = 64;; budget *= 2) {
    for (PathSearch* search : {&forwards, &backwards}) {
      const PathSearch::Outcome outcome = search->Run(budget);
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

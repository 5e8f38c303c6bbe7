#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "words/board_search/board_search.h"
#include "words/board_search/cell_set.h"
#include "words/board_search/constraint_search.h"
#include "words/board_search/failed_state_table.h"
#include "words/board_search/letter_pair_edges.h"

namespace {

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
// letters here), in steps of a limited number of states so that searches from different
// letters can take turns. The path grows from one letter of the word, the anchor, at
// both of its ends: at every step it grows the end with fewer cells to go to.
//  - Before a state is explored, the rest of the word is checked against the unused
//    cells by necessary conditions (see Candidates and RestFits); most dead ends are
//    seen there, long before the path reaches them.
//  - What can follow a path depends only on the span of the word it spells, its end
//    cells and the cells the rest of the word can still take. A state that failed is
//    remembered by those and never explored again: paths that leave the same cells for
//    the rest share one entry, whatever cells they used themselves.
class PathSearch {
 public:
  PathSearch(const LetterCells& cells, const std::string& word, int anchor)
      : last_(static_cast<int>(word.size()) - 1), anchor_(anchor) {
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
    for (CellSet starts = cellsAt_[anchor_]; starts != 0; starts &= starts - 1) {
      const int cell = LowestCell(starts);
      const Outcome outcome = Extend({anchor_, cell, anchor_, cell}, Bit(cell), cellsAt_);
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

    bool Holds(int position) const { return position >= first && position <= last; }
  };

  Outcome Extend(const Span& span, CellSet used, const PerPosition& allowed) {
    if (span.first == 0 && span.last == last_) return Outcome::Found;
    if (--budget_ < 0) return Outcome::OutOfBudget;
    PerPosition candidates{};
    CellSet reach = 0;
    if (!Candidates(span.last, span.lastCell, last_, ~used, allowed, candidates, reach) ||
        !Candidates(span.first, span.firstCell, 0, ~used, allowed, candidates, reach))
      return Outcome::NotFound;
    // An end that has reached its end of the word no longer matters.
    const int firstCell = span.first > 0 ? span.firstCell : 0;
    const int lastCell = span.last < last_ ? span.lastCell : 0;
    const uint64_t state = reach | uint64_t(firstCell) << 25 | uint64_t(lastCell) << 30 |
                           uint64_t(span.first) << 35 | uint64_t(span.last) << 40 | 1ull << 45;
    if (failed_.Contains(state)) return Outcome::NotFound;
    if (RestFits(span, candidates, reach)) {
      const bool growFirst = GrowFirstEnd(span, candidates);
      const int position = growFirst ? span.first - 1 : span.last + 1;
      const int endCell = growFirst ? span.firstCell : span.lastCell;
      for (const int next : NextCells(kNeighboursOf[endCell] & candidates[position], reach)) {
        if (next == 0) break;
        const Span grown = growFirst ? Span{position, next, span.last, span.lastCell}
                                     : Span{span.first, span.firstCell, position, next};
        const Outcome outcome = Extend(grown, used | Bit(next), candidates);
        if (outcome != Outcome::NotFound) return outcome;
      }
    }
    failed_.Insert(state);
    return Outcome::NotFound;
  }

  // The end with fewer cells to go to; with as many, the last.
  bool GrowFirstEnd(const Span& span, const PerPosition& candidates) const {
    if (span.first == 0) return false;
    if (span.last == last_) return true;
    return CellCount(kNeighboursOf[span.firstCell] & candidates[span.first - 1]) <
           CellCount(kNeighboursOf[span.lastCell] & candidates[span.last + 1]);
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

  // The cells each letter from `end` (exclusive) on to `terminal`, an end of the word,
  // can take on walks from `endCell` through `unused` cells that may reuse cells:
  // outwards the cells each letter can be reached on, then back those from which the
  // rest can still be walked. Each letter keeps within the cells `allowed` it, those the
  // parent state left it: a path onwards from here is one onwards from there. Adds the
  // candidates to `reach`, the only cells a path onwards can use; false when no walk
  // spells the letters.
  bool Candidates(int end, int endCell, int terminal, CellSet unused, const PerPosition& allowed,
                  PerPosition& candidates, CellSet& reach) const {
    if (end == terminal) return true;
    const int step = terminal > end ? 1 : -1;
    CellSet ends = Bit(endCell);
    for (int next = end + step; next != terminal + step; next += step) {
      ends = Neighbours(ends) & allowed[next] & unused;
      if (ends == 0) return false;
      candidates[next] = ends;
    }
    // Going back, a path is held tighter than a walk: inside it a letter has two
    // distinct neighbours, one for the letter before it and one for the letter after.
    reach |= candidates[terminal];
    for (int next = terminal - step; next != end; next -= step) {
      const CellSet before = next == end + step ? Bit(endCell) : candidates[next - step];
      const CellSet after = candidates[next + step];
      candidates[next] &= Neighbours(after) & NextToTwo(before | after);
      if (candidates[next] == 0) return false;
      reach |= candidates[next];
    }
    return true;
  }

  // Necessary conditions for the letters outside the span to take distinct cells.
  bool RestFits(const Span& span, const PerPosition& candidates, CellSet reach) const {
    return EnoughCellsPerLetter(span, candidates) && NarrowLettersCanBeMatched(span, candidates) &&
           RunsFitInPatches(span, reach) && RareLettersCanBePlaced(span, candidates);
  }

  // Every distinct letter needs as many candidate cells as the rest holds of it. The
  // cells that are candidates for an end of the word only (dead ends: they lack the two
  // neighbours a letter inside the path has) serve each such end once.
  bool EnoughCellsPerLetter(const Span& span, const PerPosition& candidates) const {
    PerLetter inside{};
    std::array<int, kMaxLetters> needed{};
    for (int position = 1; position < last_; ++position) {
      if (span.Holds(position)) continue;
      inside[letterIds_[position]] |= candidates[position];
      ++needed[letterIds_[position]];
    }
    PerLetter endsOnly{};
    std::array<int, kMaxLetters> ends{};
    for (const int end : {0, last_}) {
      if (span.Holds(end)) continue;
      const int id = letterIds_[end];
      ++needed[id];
      const CellSet onlyHere = candidates[end] & ~inside[id];
      endsOnly[id] |= onlyHere;
      ends[id] += onlyHere != 0;
    }
    for (int id = 0; id < letterCount_; ++id)
      if (CellCount(inside[id]) + std::min(ends[id], CellCount(endsOnly[id])) < needed[id])
        return false;
    return true;
  }

  // Matching every letter to a candidate cell of its own costs too much to do at every
  // step, but the letters with only a few candidates are where such a matching fails: a
  // set of them with fewer cells between them than letters. A matching of part of the
  // letters is needed for one of all.
  bool NarrowLettersCanBeMatched(const Span& span, const PerPosition& candidates) const {
    CellHolders holders;
    holders.fill(kNoPosition);
    for (int position = 0; position <= last_; ++position) {
      if (span.Holds(position) || !AtMostCells(candidates[position], kNarrowCells)) continue;
      CellSet tried = 0;
      if (!FindCellFor(position, candidates, holders, tried)) return false;
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
  bool RunsFitInPatches(const Span& span, CellSet reach) const {
    for (int id = 0; id < letterCount_; ++id) {
      uint32_t totals = 1;  // bit t: some choice of the runs adds up to t letters
      int needed = 0;
      int longest = 0;
      for (const auto& [from, to] : {std::pair{0, span.first - 1}, std::pair{span.last + 1, last_}})
        for (int position = from; position <= to;) {
          int end = position;
          while (end <= to && letterIds_[end] == letterIds_[position]) ++end;
          if (letterIds_[position] == id) {
            totals |= totals << (end - position);
            needed += end - position;
            longest = std::max(longest, end - position);
          }
          position = end;
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
  // two occurrences k letters apart lie at most k king moves apart, as does the one
  // nearest to an end of the span from that end's cell. The walks above may reuse a
  // cell and so miss this; trying every placement is cheap while the letter has only a
  // handful of candidate cells.
  bool RareLettersCanBePlaced(const Span& span, const PerPosition& candidates) const {
    PerLetter letterCandidates{};
    for (int position = 0; position <= last_; ++position)
      if (!span.Holds(position)) letterCandidates[letterIds_[position]] |= candidates[position];
    for (int id = 0; id < letterCount_; ++id) {
      if (!AtMostCells(letterCandidates[id], kRareCells)) continue;
      Occurrences occurrences;
      // Outwards from the span: first after it, then before it.
      for (int position = span.last + 1; position <= last_; ++position)
        if (letterIds_[position] == id && !occurrences.Add(position)) return false;
      occurrences.beforeSpan = occurrences.count;
      for (int position = span.first - 1; position >= 0; --position)
        if (letterIds_[position] == id && !occurrences.Add(position)) return false;
      if (occurrences.count >= 2 &&
          !CanPlace(span, occurrences, 0, span.lastCell, span.last, 0, candidates))
        return false;
    }
    return true;
  }

  static constexpr int kRareCells = 5;

  struct Occurrences {
    std::array<int, kRareCells> positions{};
    int count = 0;
    int beforeSpan = 0;  // index of the first occurrence before the span

    // False when there are more occurrences than the letter has cells.
    bool Add(int position) {
      if (count == kRareCells) return false;
      positions[count++] = position;
      return true;
    }
  };

  // Places occurrences from `index` on, the one before (or the span's end) being on
  // `previousCell` at `previousPosition`, avoiding the cells in `taken`.
  static bool CanPlace(const Span& span, const Occurrences& occurrences, int index,
                       int previousCell, int previousPosition, CellSet taken,
                       const PerPosition& candidates) {
    if (index == occurrences.count) return true;
    if (index == occurrences.beforeSpan) {
      previousCell = span.firstCell;
      previousPosition = span.first;
    }
    const int at = occurrences.positions[index];
    CellSet choices =
        candidates[at] & ~taken & WithinKingMoves(previousCell, std::abs(at - previousPosition));
    for (; choices != 0; choices &= choices - 1) {
      const int choice = LowestCell(choices);
      if (CanPlace(span, occurrences, index + 1, choice, at, taken | Bit(choice), candidates))
        return true;
    }
    return false;
  }

  int LetterId(char letter) {
    for (int id = 0; id < letterCount_; ++id)
      if (distinctLetters_[id] == letter) return id;
    distinctLetters_[letterCount_] = letter;
    return letterCount_++;
  }

  const int last_;  // the position of the word's last letter
  const int anchor_;
  PerPosition cellsAt_{};  // the cells holding each letter of the word
  std::array<int, kMaxLetters> letterIds_{};
  std::array<char, kMaxLetters> distinctLetters_{};
  PerLetter letterCells_{};
  int letterCount_ = 0;
  int64_t budget_ = 0;
  FailedStateTable failed_;
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

// Choices of the constraint search per state of a path search in a round. One of its
// choices costs as much as about seven states, so this gives it most of the time once
// a case has shown itself hard (bench/README.md has what other shares did).
constexpr int64_t kChoicesPerState = 4;

// Where to grow the path from is hard to tell beforehand: from one end of the word is
// often many times faster than from the other, and from a rare letter in the middle
// faster still when that letter pins the path down. So searches from the rarest letter,
// the first and the last take turns with a budget growing by half each round. The
// search from the rarest letter goes first: it is often the fastest of the three, and
// then it answers before the others spend their turn. After the first round, which
// ordinary words never leave, a constraint search joins them.
bool PathExists(const LetterCells& cells, const std::string& word) {
  constexpr int64_t kFirstBudget = 64;
  const int last = static_cast<int>(word.size()) - 1;
  const int rarest = RarestPosition(cells, word);
  std::vector<PathSearch> searches;
  searches.reserve(3);
  if (rarest != 0 && rarest != last) searches.emplace_back(cells, word, rarest);
  searches.emplace_back(cells, word, 0);
  // A word that reads the same backwards would be searched twice over.
  if (!std::equal(word.begin(), word.end(), word.rbegin()))
    searches.emplace_back(cells, word, last);
  std::optional<ConstraintSearch> constraints;
  for (int64_t budget = kFirstBudget;; budget += budget / 2) {
    for (PathSearch& search : searches) {
      const PathSearch::Outcome outcome = search.Run(budget);
      if (outcome != PathSearch::Outcome::OutOfBudget) return outcome == PathSearch::Outcome::Found;
    }
    if (budget == kFirstBudget) {
      // Worth its few microseconds only once the searches have shown the case is hard:
      // it sees at once what they find out only slowly.
      if (!LetterPairEdgesFit(cells, word)) return false;
      // Where growing a path loses its way, placing the whole word at once often does
      // not, and the other way round.
      constraints.emplace(cells, word);
    }
    const ConstraintSearch::Outcome outcome = constraints->Run(budget * kChoicesPerState);
    if (outcome != ConstraintSearch::Outcome::OutOfBudget)
      return outcome == ConstraintSearch::Outcome::Found;
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

#include "words/path_search.h"

#include <array>
#include <bit>
#include <cstdint>
#include <unordered_set>

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

bool BoardHoldsEnoughOfEachLetter(const LetterCells& cells, const std::string& word) {
  std::array<int, 256> needed{};
  for (const char letter : word) ++needed[static_cast<unsigned char>(letter)];
  for (int letter = 0; letter < 256; ++letter)
    if (needed[letter] > std::popcount(cells[letter])) return false;
  return true;
}

// Depth-first search for a path that never reuses a cell (the word is at most 25
// letters here). Two things keep it from exploring paths afresh over and over:
//  - a state is the path's last cell and the set of cells it has used (the position in
//    the word is the size of that set); what can follow depends on nothing else, so a
//    state that failed once is remembered and never explored again. The work is thus
//    bounded by the number of distinct states: at position p at most
//    n(w_p) * product over letters c of C(n(c), k_c), with n(c) the cells holding c and
//    k_c the number of c among the first p letters;
//  - before a state is explored, the rest of the word is checked against the unused
//    cells with a relaxation that forgets about reuse (see RestCanFollow); most dead
//    ends are seen there, long before the path reaches them.
class SimplePathSearch {
 public:
  SimplePathSearch(const LetterCells& cells, const std::string& word)
      : cells_(cells), word_(word) {
    for (size_t position = 0; position < word_.size(); ++position)
      letterIds_[position] = LetterId(word_[position]);
  }

  bool Found() {
    for (CellMask starts = CellsOf(cells_, word_[0]); starts != 0; starts &= starts - 1) {
      const int cell = LowestCell(starts);
      if (ExtendPath(cell, 1, Bit(cell))) return true;
    }
    return false;
  }

 private:
  // The path spells the first `position` letters, ends on `cell` and uses `visited`.
  bool ExtendPath(int cell, size_t position, CellMask visited) {
    if (position == word_.size()) return true;
    const uint32_t state = (visited << 5) | static_cast<uint32_t>(cell - 1);
    if (deadStates_.contains(state)) return false;
    if (RestCanFollow(cell, position, visited)) {
      CellMask next = Neighbours(Bit(cell)) & CellsOf(cells_, word_[position]) & ~visited;
      for (; next != 0; next &= next - 1) {
        const int target = LowestCell(next);
        if (ExtendPath(target, position + 1, visited | Bit(target))) return true;
      }
    }
    deadStates_.insert(state);
    return false;
  }

  // Letters from `position` on could follow `cell` if walks were free to reuse unused
  // cells: every letter has a cell it could stand on, and each distinct letter has at
  // least as many candidate cells as the rest of the word needs of it.
  bool RestCanFollow(int cell, size_t position, CellMask visited) const {
    std::array<CellMask, LetterGrid::kCells> candidates{};
    std::array<int, LetterGrid::kCells> needed{};
    const CellMask unused = ~visited;
    CellMask ends = Bit(cell);
    for (size_t next = position; next < word_.size(); ++next) {
      ends = Neighbours(ends) & CellsOf(cells_, word_[next]) & unused;
      if (ends == 0) return false;
      candidates[letterIds_[next]] |= ends;
      ++needed[letterIds_[next]];
    }
    for (int id = 0; id < letterCount_; ++id)
      if (std::popcount(candidates[id]) < needed[id]) return false;
    return true;
  }

  int LetterId(char letter) {
    for (int id = 0; id < letterCount_; ++id)
      if (distinctLetters_[id] == letter) return id;
    distinctLetters_[letterCount_] = letter;
    return letterCount_++;
  }

  const LetterCells& cells_;
  const std::string& word_;
  std::array<char, LetterGrid::kCells> distinctLetters_{};
  std::array<int, LetterGrid::kCells> letterIds_{};
  int letterCount_ = 0;
  std::unordered_set<uint32_t> deadStates_;
};

}  // namespace

bool InPuzzle(const LetterGrid& grid, const std::string& word, bool repeatingLettersAllowed) {
  if (word.size() < 2) return false;
  const LetterCells cells = CellsByLetter(grid);
  if (repeatingLettersAllowed) return WalkExists(cells, word);
  // Cheap refusals first: they also guarantee the word fits the arrays of the search.
  if (!BoardHoldsEnoughOfEachLetter(cells, word)) return false;
  if (!WalkExists(cells, word)) return false;
  return SimplePathSearch(cells, word).Found();
}

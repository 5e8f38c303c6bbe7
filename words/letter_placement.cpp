#include "words/letter_placement.h"

#include <array>
#include <utility>
#include <vector>

namespace {

using Places = std::array<CellSet, LetterGrid::kCells>;

// Narrows each place of the word to the cells next to some cell of the places beside it,
// with two such neighbours for a letter inside the word, until nothing changes. False
// when a place is left without cells.
bool NarrowAlongTheWord(Places& places, int length) {
  for (bool changed = true; changed;) {
    changed = false;
    for (int place = 0; place < length; ++place) {
      CellSet keep = places[place];
      if (place > 0) keep &= Neighbours(places[place - 1]);
      if (place + 1 < length) keep &= Neighbours(places[place + 1]);
      if (place > 0 && place + 1 < length) keep &= NextToTwo(places[place - 1] | places[place + 1]);
      if (keep == 0) return false;
      changed |= keep != places[place];
      places[place] = keep;
    }
  }
  return true;
}

// Puts the places of one letter, in the order of the word, each on a free cell within
// reach of the one before.
class Placement {
 public:
  Placement(const Places& places, std::vector<int> letterPlaces)
      : places_(places), letterPlaces_(std::move(letterPlaces)) {}

  enum class Outcome { Placed, Impossible, GaveUp };

  Outcome Try() {
    const bool placed = PlaceFrom(0, 0, 0);
    if (stepsLeft_ < 0) return Outcome::GaveUp;
    return placed ? Outcome::Placed : Outcome::Impossible;
  }

 private:
  // A few tens of microseconds: the cases that need this are refuted in a few thousand.
  static constexpr int kSteps = 20000;

  bool PlaceFrom(size_t index, int previousCell, CellSet taken) {
    if (index == letterPlaces_.size()) return true;
    if (--stepsLeft_ < 0) return true;  // stop everywhere, the answer is void
    const int place = letterPlaces_[index];
    CellSet choices = places_[place] & ~taken;
    if (index > 0) choices &= WithinKingMoves(previousCell, place - letterPlaces_[index - 1]);
    for (; choices != 0; choices &= choices - 1) {
      const int cell = LowestCell(choices);
      if (PlaceFrom(index + 1, cell, taken | Bit(cell))) return true;
    }
    return false;
  }

  const Places& places_;
  const std::vector<int> letterPlaces_;
  int stepsLeft_ = kSteps;
};

// Letters on more cells than this rarely fail to be placed, and take long to try.
constexpr int kMostCellsTried = 12;

}  // namespace

bool LettersCanBePlaced(const LetterCells& cells, const std::string& word) {
  const int length = static_cast<int>(word.size());
  Places places{};
  for (int place = 0; place < length; ++place) places[place] = CellsOf(cells, word[place]);
  if (!NarrowAlongTheWord(places, length)) return false;
  std::array<bool, 256> tried{};
  for (const char letter : word) {
    if (std::exchange(tried[static_cast<unsigned char>(letter)], true)) continue;
    std::vector<int> letterPlaces;
    CellSet letterCells = 0;
    for (int place = 0; place < length; ++place)
      if (word[place] == letter) {
        letterPlaces.push_back(place);
        letterCells |= places[place];
      }
    if (letterPlaces.size() < 2 || CellCount(letterCells) > kMostCellsTried) continue;
    if (Placement(places, std::move(letterPlaces)).Try() == Placement::Outcome::Impossible)
      return false;
  }
  return true;
}

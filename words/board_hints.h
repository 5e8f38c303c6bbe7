#pragma once

// What the hints tell of a board during a game. They read the board's words as the word
// finder gave them once for the board (with the first path of each), and which of them
// the player has found; they never search the board again.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/letter_grid.h"
#include "settings/game_settings.h"
#include "words/word_finder.h"

// Which words of the board the player has found so far.
class FoundWords {
 public:
  explicit FoundWords(const std::vector<BoardWord>& words = {});
  // A valid guess: true when it is a word of the board not found before.
  bool Mark(const std::string& guess);
  // One flag for each word of the board, in the finder's order.
  const std::vector<bool>& Flags() const { return found_; }
  int64_t Count() const { return count_; }

 private:
  std::unordered_map<std::string, size_t> index_;
  std::vector<bool> found_;
  int64_t count_ = 0;
};

struct LengthCount {
  int32_t Length = 0;
  int32_t Found = 0;
  int32_t Total = 0;
  bool operator==(const LengthCount&) const = default;
};

// For each length the board's words have, shortest first: how many are found of how many.
std::vector<LengthCount> WordsByLength(const std::vector<BoardWord>& words,
                                       const std::vector<bool>& found);
// "3 letters 4/12"
std::string LengthCountText(const LengthCount& count);

// How many words still to find start on each cell (1..25). A word counts once, on the
// first cell of the path the finder gave it, so the counts add up to the words left.
std::array<int32_t, LetterGrid::kCells + 1> WordsStartingOn(const std::vector<BoardWord>& words,
                                                            const std::vector<bool>& found);

// The most a game on the board can score: the points of every word, or of the best
// `guessLimit` of them where a mode allows only so many guesses (0: no limit). A word
// a settings file prices below nothing is one a player leaves out.
int64_t BestPossibleScore(const std::vector<BoardWord>& words, const GameSettings& settings,
                          int32_t guessLimit);

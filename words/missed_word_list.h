#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/game_settings.h"
#include "words/word_finder.h"

// A word of the board the player did not find, with what it would have scored.
struct MissedWord {
  std::string Word;
  int64_t Points = 0;
  std::vector<int> Path;
};

struct MissedWordList {
  std::vector<MissedWord> Words;  // longest first, then alphabetical
  // How the player's finds measure up: "You found 7 of 63 words: 9 of 88 points."
  std::string Summary;
};

// `boardWords` are every word on the board (FindWords), `validGuesses` the guesses the
// score dialog judged valid; each word is priced by the points for its length.
MissedWordList ListMissedWords(const std::vector<BoardWord>& boardWords,
                               const std::vector<std::string>& validGuesses,
                               const GameSettings& settings);

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/game_settings.h"
#include "words/word_finder.h"

// A word of the board the player did not find, with what it would have scored.
struct MissedWord {
  std::string Word;
  int64_t Points = 0;
  std::vector<int> Path;
  int ListSize = 0;  // the smallest word list holding it; 0 when unknown
};

struct MissedWordList {
  std::vector<MissedWord> Words;  // longest first, then alphabetical
  // How the player's finds measure up: "You found 7 of 63 words: 9 of 88 points."
  std::string Summary;
  // The same against the common words only: "You found 7 of 41 common words: 9 of 52
  // points." Empty when no word's list size is known, so that there is nothing to tell
  // the common words by.
  std::string CommonSummary = {};
};

// The smallest word list holding a word (WordCommonness::SmallestSize), 0 when unknown.
using ListSizeFn = std::function<int(const std::string& word)>;

// `boardWords` are every word on the board (FindWords), `validGuesses` the guesses the
// score dialog judged valid; each word is priced by the points for its length. A word of
// unknown size counts as common: it is one the player added to the dictionary.
MissedWordList ListMissedWords(const std::vector<BoardWord>& boardWords,
                               const std::vector<std::string>& validGuesses,
                               const GameSettings& settings, const ListSizeFn& listSize = {});

// The words to show: all, or only the common ones when asked and they can be told.
std::vector<MissedWord> ShownMissedWords(const MissedWordList& list, bool commonWordsOnly);

// How common a word of the list is, as its line says: "common", "less common" or "rare",
// and "common" for a word of no list, which the player added, as the count has it.
// Empty when no word's list size is known.
std::string CommonnessText(const MissedWordList& list, const MissedWord& word);

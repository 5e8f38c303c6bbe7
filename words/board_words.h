#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/letter_grid.h"
#include "words/check_session.h"
#include "words/word_finder.h"

// Every word of a board, found once for the words and rules in force. The game's record,
// Missed Words and whatever else shows what a board holds take the words from here; the
// board is searched again only for other letters, another word length or repeat rule, or
// other words in the session (another dictionary, an edited word list).
class BoardWords {
 public:
  // The words of `grid` as FindWords gives them; nothing when `session` is not open.
  const std::vector<BoardWord>& Of(const LetterGrid& grid, const CheckSession& session,
                                   int32_t minimumWordLength, bool repeatingLettersAllowed);
  // How many times a board was searched.
  int Searches() const { return searches_; }

 private:
  struct Key {
    LetterGrid Grid;
    int32_t MinimumWordLength = 0;
    bool RepeatingLettersAllowed = false;
    std::vector<uint32_t> LexiconChecksums;
    std::vector<std::string> Listed;
    std::vector<std::string> Excluded;
    bool operator==(const Key&) const = default;
  };

  std::optional<Key> key_;
  std::vector<BoardWord> words_;
  int searches_ = 0;
};

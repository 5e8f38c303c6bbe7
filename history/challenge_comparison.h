#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/game_settings.h"

struct ComparedWord {
  std::string Word;
  int64_t Points = 0;
  bool operator==(const ComparedWord&) const = default;
};

// A challenge played: the words found by both players, only by the one who played it now
// and only by the challenger, each list longest first and then alphabetical, each word
// with the points this game's scoring gives it.
struct ChallengeComparison {
  std::vector<ComparedWord> Both;
  std::vector<ComparedWord> OnlyYou;
  std::vector<ComparedWord> OnlyThem;
};

// `boardWords` is the board's sorted word list and `theirs` the challenger's mark for
// each; `yourValidWords` the words Check List found valid in this game.
ChallengeComparison CompareWithChallenge(const std::vector<std::string>& boardWords,
                                         const std::vector<bool>& theirs,
                                         const std::vector<std::string>& yourValidWords,
                                         const GameSettings& settings);

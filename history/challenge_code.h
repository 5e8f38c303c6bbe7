#pragma once

// A challenge: one player's judged game as a code to send a friend, who plays the same
// board the same way and compares. The code holds the board, the language and
// dictionary, the mode, game length, word length and repeats, the player's name and
// score, and which of the board's words the player found: one mark per word of the
// board's sorted word list, with that list's count and hash, so a code made with another
// word list is told apart instead of misread.
//
// Written as "C", the fields packed into as few symbols 0-9 A-Z as they need (a bit
// stream read as one number in base 36), and a check character. The found words go as
// a bit per word or, when shorter, as the gaps between found words (Rice coding): a
// 5 x 5 board of 800 words gives 160 symbols for the bits when half are found, far
// fewer when a player finds the usual tens. Reading ignores letter case, blanks and
// dashes, as for board codes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Challenge {
  int Height = 4;
  int Width = 4;
  std::string Letters;  // Height x Width tiles, row by row: A-Z or Latin-1 capitals
  std::string Language;
  bool AmericanDictionary = true;
  std::string Mode;
  int32_t GameSeconds = 180;
  int32_t MinimumWordLength = 3;
  bool RepeatingLettersAllowed = false;
  std::string Name;
  int32_t Score = 0;
  // The check of the board's word list, and a mark for each of its words.
  uint32_t WordCount = 0;
  uint32_t WordListHash = 0;
  std::vector<bool> Found;
  bool operator==(const Challenge&) const = default;
};

// The check of a board's word list (sorted, as the word finder's words are sorted here).
uint32_t WordListHash(const std::vector<std::string>& sortedWords);

// A mark for each of `sortedWords` that is among `validWords`.
std::vector<bool> FoundMarks(const std::vector<std::string>& sortedWords,
                             const std::vector<std::string>& validWords);

// Nothing when a field cannot be written: a letter that is no tile, a name or code that
// is not valid, a board not 4 or 5 on a side, marks not one per word.
std::optional<std::string> ChallengeCode(const Challenge& challenge);

enum class ChallengeCodeResult { Ok, NotAChallengeCode, WrongCheck };
// `challenge` changes only when the result is Ok.
ChallengeCodeResult ReadChallengeCode(std::string_view code, Challenge& challenge);
std::string ChallengeCodeMessage(ChallengeCodeResult result);

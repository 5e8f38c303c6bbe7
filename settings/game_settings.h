#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/game_mode.h"

// A font as the settings keep it. Colour is in the Windows colour encoding the settings
// file uses: red in the low byte, then green, then blue (0 is black).
struct FontDescription {
  int32_t Color = 0;
  std::string Name = "Arial";
  int32_t Size = 10;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikeout = false;
};

// Word lengths 3 to 11 have their own points; longer words share the last.
inline constexpr int kScoredLengths = 10;

// Every option of the game, one record for the whole run. Fields are named after the
// keys of TOLVANE.INI; the defaults are those of a first start with no settings file.
struct GameSettings {
  FontDescription LetterFont{0, "Arial", 26, true, false, false, false};
  FontDescription PrintPuzzleFont{0, "Arial", 16, false, false, false, false};
  // Only bold and italic are kept for the guess list.
  FontDescription WordListFont{0, "Arial", 9, false, false, false, false};

  std::string LetterBitmap;
  int32_t WindowSize = 640;
  std::string LastImportFile;
  std::string LastExportFile;
  std::string LastGroup;

  // The points for a valid word by its length: LengthPoints[length - 3] for 3 to 11
  // letters ("3 Letter Words" ... "11 Letter Words"), the last for 12 and more ("Larger
  // Words").
  std::array<int32_t, kScoredLengths> LengthPoints{1, 1, 2, 3, 5, 8, 11, 11, 11, 11};

  bool WordMisspelled = true;
  bool WordTooShort = true;
  bool WordNotInPuzzle = true;

  int32_t Minutes = 3;
  int32_t Seconds = 0;
  int32_t TimeUpNotification = 3;
  int32_t MinimumWordLength = 3;
  int32_t MaximumWordLength = 9;
  bool RepeatingLettersAllowed = false;
  bool AlternateLetters = false;
  bool HighFrequencyLetters = false;
  int32_t Height = 4;
  int32_t Width = 4;
  int32_t GuessListColumns = 2;
  bool AmericanDictionary = true;
  bool ShowBackgroundBitmap = true;

  // Missed Words: count only the words of the common word lists against the player.
  bool CommonWordsOnly = true;

  // The language played, judged and dealt: a code of the language table ("de").
  std::string LanguageCode = "en";

  // The way to play. Every mode but Classic judges each guess as it is entered; Classic
  // does so only when the player asks.
  GameMode Mode = GameMode::Classic;
  bool JudgeAsEntered = false;
  // The hints, each shown during a game only when asked for. A game played with any of
  // them is kept in the history, but never as a record.
  bool HintWordsByLength = false;
  bool HintWordsStartingHere = false;
  bool HintBestScore = false;

  // The player's name in matches and challenges; empty until given.
  std::string PlayerName;
  // In a match, a word found by two or more players scores for none of them.
  bool TableRule = true;

  // Points for a valid word of `length` letters (3..11; 12 and more share one value);
  // none under 3 letters, which have no length line.
  int32_t PointsForLength(int length) const;
  bool JudgesAsEntered() const { return Mode != GameMode::Classic || JudgeAsEntered; }
  bool AnyHint() const { return HintWordsByLength || HintWordsStartingHere || HintBestScore; }
};

struct Language;
// The row of the language table `settings` choose; English for a code no row has.
const Language& ChosenLanguage(const GameSettings& settings);
// Whether the American dictionary judges: the choice counts only in a language that has
// one, and the others count as American so that one game is always told the same way.
bool JudgesWithAmerican(const GameSettings& settings);

// The rules of a game played against others (a match, a challenge): everyone plays
// `mode` without hints, judged as it is entered only where the mode itself is, whatever
// each chose for their own games.
GameSettings SharedGameRules(GameSettings settings, GameMode mode);

// The defaults, with the three "Last" texts taken from the start directory.
GameSettings DefaultSettings(const std::string& startDirectory);

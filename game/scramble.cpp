#include "game/scramble.h"

#include <array>
#include <string_view>

#include "settings/game_settings.h"

namespace {

constexpr std::array<std::string_view, 45> kWordFragments = {
    "ERS", "ES",  "ER",  "ED",  "EDGE", "ANGE", "ING", "STR", "ACK", "EST", "IEST", "TION",
    "AST", "ANT", "ENT", "ILL", "END",  "AND",  "EAR", "EEN", "EAN", "INT", "ELL",  "ART",
    "ARE", "ORE", "IRE", "ATE", "EAT",  "APE",  "ANE", "ONE", "OLD", "OUR", "OUT",  "AIN",
    "AIL", "AGE", "ACE", "ICE", "EER",  "OAT",  "OAL", "ALE", "EAL"};

// Acceptance weight of each letter A..Z, out of 10.
constexpr std::array<int, 26> kLetterWeights = {8, 3, 3, 4, 10, 2, 3, 3, 7, 1, 2, 5, 3,
                                                5, 6, 3, 1, 4,  5, 5, 4, 2, 2, 1, 3, 1};

// Five groups of four cells; the 20 slots also form one sequence, group 1 first.
constexpr int kSlotsPerGroup = 4;
constexpr int kGroups = 5;
constexpr std::array<int, kGroups* kSlotsPerGroup> kFragmentSlots = {
    1, 2, 6, 7, 3, 4, 8, 9, 11, 12, 16, 17, 13, 14, 18, 19, 22, 23, 24, 25};

int Weight(char letter) { return kLetterWeights[static_cast<size_t>(letter - 'A')]; }

bool Accepted(char letter, RandomSource& random) { return random.Random(10) < Weight(letter); }

int SlotCell(int group, int slot) {  // group and slot counted from 1
  return kFragmentSlots[static_cast<size_t>((group - 1) * kSlotsPerGroup + slot - 1)];
}

std::string_view DrawFragment(RandomSource& random) {
  return kWordFragments[static_cast<size_t>(random.Random(45))];
}

template <typename Pick>
void FillBlankCells(LetterGrid& grid, Pick pick) {
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    if (grid.CellOnBoard[cell] && grid.Letters[cell] == ' ') grid.Letters[cell] = pick(cell);
}

char PickAlternating(int cell, RandomSource& random) {
  return IsVowelCell(cell) ? PickVowel(random) : PickConsonant(random);
}

// A fragment written into its group's slots from a random start, wrapping within the
// group; a 2 x 2 block keeps consecutive slots touching, so the fragment can be traced.
void SeedFragment(LetterGrid& grid, int group, RandomSource& random) {
  const std::string_view fragment = DrawFragment(random);
  const int start = group == 5 ? random.Random(2) + 1 : random.Random(4) + 1;
  for (size_t i = 0; i < fragment.size(); ++i) {
    const int slot = (start - 1 + static_cast<int>(i)) % kSlotsPerGroup + 1;
    grid.Letters[SlotCell(group, slot)] = fragment[i];
  }
}

// Vowels go to the group's vowel cells and consonants to its consonant cells, each in
// fragment order. Only the third consonant of "STR" runs past its group, into the next
// group's first consonant slot; past group 5 it is dropped.
void SeedAlternatingFragment(LetterGrid& grid, int group, RandomSource& random) {
  const std::string_view fragment = DrawFragment(random);
  const size_t groupStart = static_cast<size_t>((group - 1) * kSlotsPerGroup);
  for (const bool vowels : {true, false}) {
    size_t cursor = groupStart;
    for (const char letter : fragment) {
      if (IsVowel(letter) != vowels) continue;
      while (cursor < kFragmentSlots.size() && IsVowelCell(kFragmentSlots[cursor]) != vowels)
        ++cursor;
      if (cursor >= kFragmentSlots.size()) break;
      grid.Letters[kFragmentSlots[cursor]] = letter;
      ++cursor;
    }
  }
}

}  // namespace

char PickLetter(RandomSource& random) {
  for (;;) {
    const char letter = static_cast<char>('A' + random.Random(26));
    if (Accepted(letter, random)) return letter;
  }
}

char PickVowel(RandomSource& random) {
  static constexpr std::string_view kVowels = "AEIOU";
  for (;;) {
    const char letter = kVowels[static_cast<size_t>(random.Random(5))];
    if (Accepted(letter, random)) return letter;
  }
}

char PickConsonant(RandomSource& random) {
  for (;;) {
    const char letter = static_cast<char>('A' + random.Random(26));
    if (IsVowel(letter)) continue;
    if (Accepted(letter, random)) return letter;
  }
}

bool IsVowel(char letter) {
  return letter == 'A' || letter == 'E' || letter == 'I' || letter == 'O' || letter == 'U';
}

bool IsVowelCell(int cell) {
  const int row = (cell - 1) / LetterGrid::kStride + 1;
  const int column = (cell - 1) % LetterGrid::kStride + 1;
  return (row + column) % 2 == 1;
}

int FragmentCount(int height, int width) {
  const int cells = height * width;
  return cells == 25 ? 5 : cells == 20 ? 4 : 3;
}

void ScrambleLetters(LetterGrid& grid, const GameSettings& settings, RandomSource& random) {
  grid.Blank();
  const int fragments = FragmentCount(settings.Height, settings.Width);
  const auto pickLetter = [&](int) { return PickLetter(random); };
  const auto pickAlternating = [&](int cell) { return PickAlternating(cell, random); };

  if (!settings.AlternateLetters && !settings.HighFrequencyLetters) {
    FillBlankCells(grid, pickLetter);
  } else if (settings.AlternateLetters && !settings.HighFrequencyLetters) {
    FillBlankCells(grid, pickAlternating);
  } else if (!settings.AlternateLetters) {
    for (int group = 1; group <= fragments; ++group) SeedFragment(grid, group, random);
    FillBlankCells(grid, pickLetter);
  } else {
    for (int group = 1; group <= fragments; ++group) SeedAlternatingFragment(grid, group, random);
    FillBlankCells(grid, pickAlternating);
  }
}

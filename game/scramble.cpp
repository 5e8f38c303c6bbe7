#include "game/scramble.h"

#include <array>
#include <string_view>

#include "settings/game_settings.h"
#include "words/language.h"

namespace {

// Five groups of four cells; the 20 slots also form one sequence, group 1 first.
constexpr int kSlotsPerGroup = 4;
constexpr int kGroups = 5;
constexpr std::array<int, kGroups* kSlotsPerGroup> kFragmentSlots = {
    1, 2, 6, 7, 3, 4, 8, 9, 11, 12, 16, 17, 13, 14, 18, 19, 22, 23, 24, 25};

int Weight(const Language& language, char letter) {
  return language.Letters->Weights[language.Tiles.find(letter)];
}

bool Accepted(const Language& language, char letter, RandomSource& random) {
  return random.Random(10) < Weight(language, letter);
}

// Any letter of the language, drawn evenly: for English 'A' + Random(26).
char DrawTile(const Language& language, RandomSource& random) {
  return language
      .Tiles[static_cast<size_t>(random.Random(static_cast<int>(language.Tiles.size())))];
}

int SlotCell(int group, int slot) {  // group and slot counted from 1
  return kFragmentSlots[static_cast<size_t>((group - 1) * kSlotsPerGroup + slot - 1)];
}

std::string_view DrawFragment(const Language& language, RandomSource& random) {
  return language.Letters
      ->Fragments[static_cast<size_t>(random.Random(static_cast<int>(kFragmentCount)))];
}

template <typename Pick>
void FillBlankCells(LetterGrid& grid, Pick pick) {
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    if (grid.CellOnBoard[cell] && grid.Letters[cell] == ' ') grid.Letters[cell] = pick(cell);
}

char PickAlternating(const Language& language, int cell, RandomSource& random) {
  return IsVowelCell(cell) ? PickVowel(random, language) : PickConsonant(random, language);
}

// A fragment written into its group's slots from a random start, wrapping within the
// group; a 2 x 2 block keeps consecutive slots touching, so the fragment can be traced.
void SeedFragment(const Language& language, LetterGrid& grid, int group, RandomSource& random) {
  const std::string_view fragment = DrawFragment(language, random);
  const int start = group == 5 ? random.Random(2) + 1 : random.Random(4) + 1;
  for (size_t i = 0; i < fragment.size(); ++i) {
    const int slot = (start - 1 + static_cast<int>(i)) % kSlotsPerGroup + 1;
    grid.Letters[SlotCell(group, slot)] = fragment[i];
  }
}

// Vowels go to the group's vowel cells and consonants to its consonant cells, each in
// fragment order. Only the third consonant of "STR" runs past its group, into the next
// group's first consonant slot; past group 5 it is dropped.
void SeedAlternatingFragment(const Language& language, LetterGrid& grid, int group,
                             RandomSource& random) {
  const std::string_view fragment = DrawFragment(language, random);
  const size_t groupStart = static_cast<size_t>((group - 1) * kSlotsPerGroup);
  for (const bool vowels : {true, false}) {
    size_t cursor = groupStart;
    for (const char letter : fragment) {
      if (IsVowel(letter, language) != vowels) continue;
      while (cursor < kFragmentSlots.size() && IsVowelCell(kFragmentSlots[cursor]) != vowels)
        ++cursor;
      if (cursor >= kFragmentSlots.size()) break;
      grid.Letters[kFragmentSlots[cursor]] = letter;
      ++cursor;
    }
  }
}

}  // namespace

char PickLetter(RandomSource& random, const Language& language) {
  for (;;) {
    const char letter = DrawTile(language, random);
    if (Accepted(language, letter, random)) return letter;
  }
}

char PickVowel(RandomSource& random, const Language& language) {
  const std::string_view vowels = language.Vowels;
  for (;;) {
    const char letter = vowels[static_cast<size_t>(random.Random(static_cast<int>(vowels.size())))];
    if (Accepted(language, letter, random)) return letter;
  }
}

char PickConsonant(RandomSource& random, const Language& language) {
  for (;;) {
    const char letter = DrawTile(language, random);
    if (IsVowel(letter, language)) continue;
    if (Accepted(language, letter, random)) return letter;
  }
}

bool IsVowel(char letter, const Language& language) {
  return letter != '\0' && language.Vowels.find(letter) != std::string_view::npos;
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

void ScrambleLetters(LetterGrid& grid, const GameSettings& settings, RandomSource& random,
                     const Language& language) {
  grid.Blank();
  const int fragments = FragmentCount(settings.Height, settings.Width);
  const auto pickLetter = [&](int) { return PickLetter(random, language); };
  const auto pickAlternating = [&](int cell) { return PickAlternating(language, cell, random); };

  if (!settings.AlternateLetters && !settings.HighFrequencyLetters) {
    FillBlankCells(grid, pickLetter);
  } else if (settings.AlternateLetters && !settings.HighFrequencyLetters) {
    FillBlankCells(grid, pickAlternating);
  } else if (!settings.AlternateLetters) {
    for (int group = 1; group <= fragments; ++group) SeedFragment(language, grid, group, random);
    FillBlankCells(grid, pickLetter);
  } else {
    for (int group = 1; group <= fragments; ++group)
      SeedAlternatingFragment(language, grid, group, random);
    FillBlankCells(grid, pickAlternating);
  }
}

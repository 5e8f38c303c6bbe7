#include "words/board_deal.h"

#include "game/scramble.h"
#include "settings/game_settings.h"
#include "words/language.h"

std::size_t PlayableWordCount(int height, int width) { return height * width >= 25 ? 30 : 20; }

int DealBoard(LetterGrid& grid, const GameSettings& settings, RandomSource& random,
              const Language& language, const BoardWordCounter& countWords) {
  ScrambleLetters(grid, settings, random, language);
  int deals = 1;
  if (!language.RedealsSparseBoards) return deals;
  const std::size_t fewest = PlayableWordCount(settings.Height, settings.Width);
  while (deals <= kMostRedeals && countWords(grid) < fewest) {
    ScrambleLetters(grid, settings, random, language);
    ++deals;
  }
  return deals;
}

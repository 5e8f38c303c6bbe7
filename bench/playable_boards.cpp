// What a player of each language is dealt: 1,000 boards per language and size from the
// game's own deal (ordinary settings, the redeal rule included), every word on them
// found with the language's lexicon. Reports the words in the lexicon, the fewest and
// the median words on a board, how many boards fall below the playable count, how often
// a board was dealt again, and what switching to the language costs: opening its check
// session for the first time in the run (its checksum read through) and judging one
// word. English is the reference of the same run. Run on a release build:
//   build/bench/playable_boards [boards]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "settings/game_settings.h"
#include "words/board_deal.h"
#include "words/check_session.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"
#include "words/language.h"
#include "words/word_finder.h"

namespace {

double Milliseconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

struct SizeFigures {
  std::size_t Fewest = 0, Median = 0, Sparse = 0;
  double Redealt = 0;  // boards dealt per board kept, on average
};

SizeFigures DealBoards(const Language& language, const CheckSession& session, int size,
                       int boards) {
  GameSettings settings = DefaultSettings("/");
  settings.Height = settings.Width = size;
  XorShiftRandom random(1995);
  const auto countWords = [&](const LetterGrid& grid) {
    return FindWords(grid, session, settings.MinimumWordLength, settings.RepeatingLettersAllowed)
        .size();
  };
  std::vector<std::size_t> counts;
  long deals = 0;
  for (int board = 0; board < boards; ++board) {
    LetterGrid grid;
    grid.ComputeCellOnBoard(size, size);
    deals += DealBoard(grid, settings, random, language, countWords);
    counts.push_back(countWords(grid));
  }
  std::sort(counts.begin(), counts.end());
  SizeFigures figures;
  figures.Fewest = counts.front();
  figures.Median = counts[counts.size() / 2];
  figures.Sparse =
      static_cast<std::size_t>(std::count_if(counts.begin(), counts.end(), [&](std::size_t n) {
        return n < PlayableWordCount(size, size);
      }));
  figures.Redealt = static_cast<double>(deals) / boards;
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const int boards = argc > 1 ? std::atoi(argv[1]) : 1000;
  std::printf("%-11s %9s %9s | %-27s | %-27s\n", "language", "words", "switch ms",
              "4 x 4: fewest median sparse", "5 x 5: fewest median sparse");
  for (const Language& language : Languages()) {
    CheckSession session;
    bool opened = true;
    const auto fail = [&](const std::string& text, const std::string&) {
      std::fprintf(stderr, "%s\n", text.c_str());
      opened = false;
    };
    const auto start = std::chrono::steady_clock::now();
    OpenCheckSession(session, TOLVANE_PROGRAM_DIR, "/nonexistent", true, fail, language);
    if (!opened) return 1;
    InSpeller(session, "ABC");
    const double switchTime = Milliseconds(std::chrono::steady_clock::now() - start);

    SessionWords words;
    SE_GetSessionWords(session.Session, words);
    uint32_t lexiconWords = 0;
    for (const CompiledLexicon* lexicon : words.Compiled) lexiconWords += lexicon->WordCount();

    const SizeFigures small = DealBoards(language, session, 4, boards);
    const SizeFigures large = DealBoards(language, session, 5, boards);
    std::printf("%-11s %9u %9.1f | %6zu %6zu %6zu (x%.2f) | %6zu %6zu %6zu (x%.2f)\n",
                std::string(language.Code).c_str(), lexiconWords, switchTime, small.Fewest,
                small.Median, small.Sparse, small.Redealt, large.Fewest, large.Median, large.Sparse,
                large.Redealt);
    CloseCheckSession(session);
  }
  return 0;
}

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/game_settings.h"
#include "words/board_search/board_search.h"
#include "words/check_session.h"
#include "words/scoring.h"

namespace {

// 200 guesses on a dealt 5 x 5 board, judged as the score dialog judges them: one
// session opened on the main lexicons of the program's folder, every guess searched on
// the board and looked up when found, the session closed.
void ScoreTwoHundredGuesses(benchmark::State& state) {
  const std::string letters = "STRAEINOTSLEPDCRAMEHUTION";
  LetterGrid grid;
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) grid.Letters[cell] = letters[cell - 1];
  grid.ComputeCellOnBoard(5, 5);
  GameSettings settings;
  settings.Height = settings.Width = 5;

  // Mostly words traced on the board, so that nearly every guess is also looked up.
  std::vector<std::string> guesses = {"STRAIN", "QUIZ", "IT", "STRAIN"};
  uint32_t random = 12345;
  auto next = [&random](int n) {
    random = random * 1103515245 + 12345;
    return static_cast<int>((random >> 16) % n);
  };
  while (guesses.size() < 200) {
    int row = 1 + next(5), column = 1 + next(5);
    std::string word;
    for (int length = 3 + next(6); static_cast<int>(word.size()) < length;) {
      word += letters[(row - 1) * 5 + column - 1];
      row = std::clamp(row + next(3) - 1, 1, 5);
      column = std::clamp(column + next(3) - 1, 1, 5);
    }
    guesses.push_back(word);
  }

  for (auto _ : state) {
    CheckSession session;
    // Main lexicons only: the program's folder holds no player's lists.
    if (!OpenCheckSession(session, TOLVANE_PROGRAM_DIR, TOLVANE_PROGRAM_DIR, true,
                          [](const std::string&, const std::string&) {})) {
      state.SkipWithError("the main lexicons are not in the program folder");
      break;
    }
    const ScoreSheet sheet = ScoreGuesses(
        guesses, settings, [&](const std::string& word) { return InPuzzle(grid, word, false); },
        [&](const std::string& word) { return InSpeller(session, word); });
    CloseCheckSession(session);
    benchmark::DoNotOptimize(sheet.TotalScore);
  }
}
BENCHMARK(ScoreTwoHundredGuesses)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

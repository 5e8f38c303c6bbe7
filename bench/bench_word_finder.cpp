// Finding every word of a board with the real American lexicons: ordinary dealt boards
// (median and worst of many) and the boards that are hardest for the board search.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "game/scramble.h"
#include "settings/game_settings.h"
#include "words/check_session.h"
#include "words/word_finder.h"

namespace {

void FailOnMessage(const std::string& text, const std::string&) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::abort();
}

// The main lexicons the build compiles, without any player's lists.
class AmericanSession {
 public:
  AmericanSession() {
    if (!OpenCheckSession(session_, TOLVANE_PROGRAM_DIR, TOLVANE_PROGRAM_DIR, true, FailOnMessage))
      std::abort();
  }
  ~AmericanSession() { CloseCheckSession(session_); }
  const CheckSession& Get() const { return session_; }

 private:
  CheckSession session_;
};

LetterGrid Board(const std::string& letters) {
  LetterGrid grid;
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) grid.Letters[cell] = letters[cell - 1];
  grid.ComputeCellOnBoard(5, 5);
  return grid;
}

std::vector<LetterGrid> DealtBoards(int count, const GameSettings& settings) {
  XorShiftRandom random(1995);
  std::vector<LetterGrid> boards(count);
  for (LetterGrid& grid : boards) {
    grid.ComputeCellOnBoard(settings.Height, settings.Width);
    ScrambleLetters(grid, settings, random);
  }
  return boards;
}

// Each board timed on its own (the best of a few runs, against noise from other work on
// the machine); reports the median and the worst board in milliseconds.
void DealtFiveByFive(benchmark::State& state, bool repeats) {
  AmericanSession session;
  GameSettings settings;
  settings.Height = settings.Width = 5;
  const std::vector<LetterGrid> boards = DealtBoards(static_cast<int>(state.range(0)), settings);
  std::vector<double> times;
  std::size_t words = 0;
  std::string worstBoard;
  for (auto _ : state) {
    times.clear();
    words = 0;
    double worst = 0;
    for (const LetterGrid& grid : boards) {
      double best = 1e9;
      for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<BoardWord> found =
            FindWords(grid, session.Get(), settings.MinimumWordLength, repeats);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
        if (run == 0) words += found.size();
      }
      times.push_back(best);
      if (best > worst) {
        worst = best;
        worstBoard.assign(grid.Letters.begin() + 1, grid.Letters.end());
      }
    }
  }
  std::sort(times.begin(), times.end());
  state.counters["boards"] = static_cast<double>(times.size());
  state.counters["median_ms"] = times[times.size() / 2];
  state.counters["p99_ms"] = times[times.size() * 99 / 100];
  state.counters["worst_ms"] = times.back();
  state.counters["words_per_board"] = static_cast<double>(words) / times.size();
  state.SetLabel("worst board " + worstBoard);
}

BENCHMARK_CAPTURE(DealtFiveByFive, NoRepeats, false)
    ->Arg(1000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DealtFiveByFive, Repeats, true)
    ->Arg(1000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The boards of the board search's own benchmark, which stress long chains of one letter,
// and boards thick with the commonest letters.
const char* const kHardBoards[] = {
    "AAAAAAAAAAAAAAAAAAAAAAAAA", "ABABABABABABABABABABABABA", "BCAAACAAAAAAAAAAAAAAAAAAA",
    "AABAAAABAAAABAAAABAAAABAA", "BAAAAAAAABAAAAAAAAAAAAAAA", "AAABAABBBAAABAAAABAAAABCB",
    "ADAADAACAAAAAADAAAAAAAAAA", "STRAEINOTSLEPDCRAMEHUTION", "SESESESESESESESESESESESES",
    "ESTERESTERESTERESTERESTER", "EEEEEEEEEEEEEEEEEEEEEEEEE", "SSSSSSSSSSSSSSSSSSSSSSSSS",
    "RESTSTONESTARESONESTERNES", "AEIOUAEIOUAEIOUAEIOUAEIOU", "PRESSESSESSPRESSESSESSPRE"};

void HardBoards(benchmark::State& state, bool repeats) {
  AmericanSession session;
  double worst = 0;
  std::string worstBoard;
  for (auto _ : state) {
    for (const char* letters : kHardBoards) {
      const LetterGrid grid = Board(letters);
      double best = 1e9;
      for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(FindWords(grid, session.Get(), 3, repeats));
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
      }
      if (best > worst) {
        worst = best;
        worstBoard = letters;
      }
    }
  }
  state.counters["worst_ms"] = worst;
  state.SetLabel("worst board " + worstBoard);
}

BENCHMARK_CAPTURE(HardBoards, NoRepeats, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HardBoards, Repeats, true)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// A game judged as it is played, as the player waits on it: one guess judged the moment it
// is entered (at most 1 ms at the 99th percentile), and in the window at 1280 x 1024 the
// whole of entering a guess, the tiles' counts drawn again after a word found within one
// frame (16 ms). Each is set beside its reference of the same run: the same guesses judged
// by Check List, and the same guesses entered in a Classic game, which judges nothing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_win.h"
#include "base/random_source.h"
#include "game/end_rule.h"
#include "game/scramble.h"
#include "tests/fake_platform.h"
#include "words/board_hints.h"
#include "words/board_search/board_search.h"
#include "words/check_session.h"
#include "words/scoring.h"
#include "words/word_finder.h"

namespace {

constexpr int kBoards = 20;
constexpr size_t kGuesses = 200;

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration span) {
  return std::chrono::duration<double, std::micro>(span).count();
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<size_t>(share * values.size()))];
}

void Report(benchmark::State& state, const std::vector<double>& us, const char* prefix = "") {
  state.counters[std::string(prefix) + "p50_us"] = Percentile(us, 0.50);
  state.counters[std::string(prefix) + "p99_us"] = Percentile(us, 0.99);
  state.counters[std::string(prefix) + "max_us"] = Percentile(us, 1.0);
}

CheckSession OpenSession() {
  CheckSession session;
  if (!OpenCheckSession(session, TOLVANE_PROGRAM_DIR, TOLVANE_PROGRAM_DIR, true,
                        [](const std::string&, const std::string&) {}))
    std::abort();
  return session;
}

// A dealt 5 x 5 board and 200 guesses on it: a third the board's own words, a third letters
// traced on it (mostly no words), a third letters from anywhere.
struct Round {
  LetterGrid Grid;
  std::vector<BoardWord> Words;
  std::vector<std::string> Guesses;
};

std::vector<Round> Rounds() {
  static const std::vector<Round> rounds = [] {
    XorShiftRandom random(4711);
    GameSettings settings;
    settings.Height = settings.Width = 5;
    CheckSession session = OpenSession();
    std::vector<Round> made;
    for (int board = 0; board < kBoards; ++board) {
      Round round;
      round.Grid.ComputeCellOnBoard(5, 5);
      ScrambleLetters(round.Grid, settings, random);
      round.Words = FindWords(round.Grid, session, 3, false);
      for (size_t i = 0; i < round.Words.size() && round.Guesses.size() < kGuesses / 3; ++i)
        round.Guesses.push_back(round.Words[i].Word);
      while (round.Guesses.size() < kGuesses * 2 / 3) {
        int row = 1 + random.Random(5), column = 1 + random.Random(5);
        std::string traced;
        for (int length = 3 + random.Random(5); static_cast<int>(traced.size()) < length;) {
          traced += round.Grid.Letters[LetterGrid::CellIndex(row, column)];
          row = std::clamp(row + random.Random(3) - 1, 1, 5);
          column = std::clamp(column + random.Random(3) - 1, 1, 5);
        }
        round.Guesses.push_back(traced);
      }
      while (round.Guesses.size() < kGuesses) {
        std::string any(static_cast<size_t>(3 + random.Random(5)), 'A');
        for (char& letter : any) letter = static_cast<char>('A' + random.Random(26));
        round.Guesses.push_back(any);
      }
      for (size_t i = round.Guesses.size() - 1; i > 0; --i)
        std::swap(round.Guesses[i],
                  round.Guesses[static_cast<size_t>(random.Random(static_cast<int>(i + 1)))]);
      made.push_back(std::move(round));
    }
    CloseCheckSession(session);
    return made;
  }();
  return rounds;
}

// One guess as a game judged as it goes takes it: judged by Check List's rules, found on
// the board's word list, counted by the end rule, and the hints counted afresh.
void BM_JudgeAGuessAsEntered(benchmark::State& state) {
  GameSettings settings;
  CheckSession session = OpenSession();
  std::vector<double> us;
  for (auto _ : state) {
    for (const Round& round : Rounds()) {
      TimedGame clock;
      clock.Start(3, 0, {});
      EndRule rule;
      rule.Start(ModeRow(GameMode::Refill), clock, std::ssize(round.Words));
      FoundWords found(round.Words);
      for (const std::string& guess : round.Guesses) {
        const Clock::time_point start = Clock::now();
        const JudgedGuess judged = JudgeListedGuess(
            guess, settings,
            [&](const std::string& word) { return InPuzzle(round.Grid, word, false); },
            [&](const std::string& word) { return InSpeller(session, word); });
        const bool valid = judged.Verdict == GuessVerdict::Valid;
        if (valid) found.Mark(judged.Word);
        benchmark::DoNotOptimize(rule.Judged(clock, valid, judged.Points));
        benchmark::DoNotOptimize(WordsByLength(round.Words, found.Flags()));
        benchmark::DoNotOptimize(WordsStartingOn(round.Words, found.Flags()));
        us.push_back(Microseconds(Clock::now() - start));
      }
    }
  }
  CloseCheckSession(session);
  Report(state, us);
}
BENCHMARK(BM_JudgeAGuessAsEntered)->Unit(benchmark::kMillisecond)->Iterations(5);

// The reference: the same guesses judged by Check List, a board's list at a time; the
// time of one guess is the list's time over its length.
void BM_CheckListJudgesTheSameGuesses(benchmark::State& state) {
  GameSettings settings;
  CheckSession session = OpenSession();
  std::vector<double> us;
  for (auto _ : state) {
    for (const Round& round : Rounds()) {
      const Clock::time_point start = Clock::now();
      benchmark::DoNotOptimize(ScoreGuesses(
          round.Guesses, settings,
          [&](const std::string& word) { return InPuzzle(round.Grid, word, false); },
          [&](const std::string& word) { return InSpeller(session, word); }));
      us.push_back(Microseconds(Clock::now() - start) / static_cast<double>(kGuesses));
    }
  }
  CloseCheckSession(session);
  Report(state, us, "per_guess_");
}
BENCHMARK(BM_CheckListJudgesTheSameGuesses)->Unit(benchmark::kMillisecond)->Iterations(5);

// Every guess of the rounds entered with Enter in the main window at 1280 x 1024, until
// it is in the list with whatever it brings drawn: the words found and the other guesses
// apart. Argument 0: a Classic game; 1: Refill with every hint on.
void BM_EnterAGuessInTheWindow(benchmark::State& state) {
  FakePlatform platform;
  TempFolder folder;
  platform.currentDirectory = folder.Path();
  platform.settingsFile = folder.File("TOLVANE.INI");
  platform.programDirectory = TOLVANE_PROGRAM_DIR;
  TMainWin window(platform);
  window.show();
  GameSettings& settings = window.Settings();
  settings.WindowSize = 1280;
  window.ApplyWindowScale(2.0);
  settings.Height = settings.Width = 5;
  const bool judged = state.range(0) == 1;
  settings.Mode = judged ? GameMode::Refill : GameMode::Classic;
  settings.HintWordsByLength = settings.HintWordsStartingHere = settings.HintBestScore = judged;
  auto* entry = window.findChild<QLineEdit*>("WordEntry");
  std::vector<double> found, others;
  for (auto _ : state) {
    for (const Round& round : Rounds()) {
      window.Board() = round.Grid;
      window.BoardLoaded();
      window.findChild<QPushButton*>("Start")->click();
      for (const std::string& guess : round.Guesses) {
        entry->setText(QString::fromLatin1(guess.c_str()));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        const Clock::time_point start = Clock::now();
        QApplication::sendEvent(entry, &enter);
        const double took = Microseconds(Clock::now() - start);
        const bool isWord = std::any_of(round.Words.begin(), round.Words.end(),
                                        [&](const BoardWord& word) { return word.Word == guess; });
        (isWord ? found : others).push_back(took);
      }
      window.findChild<QPushButton*>("ExitButton")->click();  // Abort
    }
  }
  Report(state, found, "word_");
  Report(state, others, "other_");
}
BENCHMARK(BM_EnterAGuessInTheWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

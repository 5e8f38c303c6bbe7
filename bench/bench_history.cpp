// The game history at 10,000 games: recording one more game, the records query, and
// opening the history window to its first paint (Qt's offscreen platform).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLibrary>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "history/best_ten.h"
#include "history/game_record.h"
#include "history/history_row.h"
#include "platform/game_history.h"
#include "platform/game_host.h"
#include "platform/plugin_modules.h"
#include "platform/qt_platform.h"
#include "windows/history/history_window.h"

namespace {

constexpr int kGames = 10000;

QFunctionPointer ModuleFunction(const char* symbol) {
  const QFunctionPointer function =
      QLibrary::resolve(QString(TOLVANE_PROGRAM_DIR) + "/" + kHistoryModule, symbol);
  if (!function) std::abort();
  return function;
}

// A game as a good player leaves it: 40 guesses on a board that allows 300 words.
GameRecord TypicalGame(int i) {
  GameRecord game;
  game.PlayedAt = 1700000000 + i * 600;
  game.Height = 4 + i % 2;
  game.Width = 4 + i % 2;
  game.Letters = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  game.GameSeconds = 180;
  for (int g = 0; g < 40; ++g)
    game.Guesses.push_back({"GUESS" + std::to_string(g), GuessVerdict::Valid, 2});
  for (int w = 0; w < 300; ++w)
    game.PossibleWords.push_back({"WORD" + std::to_string(w), 1 + w % 5});
  game.TotalScore = (i * 7919) % 97;
  return game;
}

std::unique_ptr<GameHistory> OpenHistory(const QString& path) {
  const auto open = reinterpret_cast<OpenHistoryFunction>(ModuleFunction(kOpenHistorySymbol));
  return std::unique_ptr<GameHistory>(open(QFile::encodeName(path).constData(), 5000));
}

const QString& HistoryPath() {
  static QTemporaryDir dir;
  static const QString path = dir.filePath("history.sqlite");
  return path;
}

// The history file of 10,000 games, open.
GameHistory& History() {
  static std::unique_ptr<GameHistory> history = [] {
    std::unique_ptr<GameHistory> made = OpenHistory(HistoryPath());
    for (int i = 0; i < kGames; ++i) made->Add(RowFromRecord(TypicalGame(i)));
    return made;
  }();
  return *history;
}

// The real platform, with the chart from the module in the program's folder.
class BenchPlatform : public QtPlatform {
 public:
  std::unique_ptr<ProgressChart> MakeProgressChart(QWidget* parent) override {
    const auto make =
        reinterpret_cast<MakeProgressChartFunction>(ModuleFunction(kMakeProgressChartSymbol));
    return std::unique_ptr<ProgressChart>(make(parent));
  }
};

class BenchHost : public GameHost {
 public:
  QWidget* Window() override { return nullptr; }
  Platform& Services() override { return platform_; }
  GameSettings& Settings() override { return settings_; }
  LetterGrid& Board() override { return board_; }
  const std::vector<std::string>& Guesses() const override { return guesses_; }
  int32_t GameSeconds() const override { return 180; }
  const ScoreSheet* JudgedSheet() override { return nullptr; }
  const PlayedBoard& GameBoard() const override { return played_; }
  BoardWords& WordsOfBoard() override { return boardWords_; }
  PlayedMode GameModePlayed() const override { return {}; }
  const std::vector<JudgedGuess>* VerdictsAsPlayed() const override { return nullptr; }
  double ScaleFactor() const override { return 1.0; }
  QSize ScreenSize() const override { return {1280, 1024}; }
  const std::string& ProgramDirectory() const override { return folder_; }
  void BoardResized() override {}
  void BoardLoaded() override {}
  void RepaintBoard() override {}
  void GameModeChanged() override {}
  void GuessListLookChanged() override {}
  void ApplyWindowScale(double) override {}
  bool SaveThePuzzle(PuzzleRecord&) override { return false; }
  void ShowPath(const std::vector<int>&) override {}
  bool FirstJudging() override { return false; }
  void StartGame(int32_t, std::unique_ptr<GameWatcher>) override {}
  GameWatcher* Watcher() override { return nullptr; }
  bool MayChangeBoard() const override { return true; }

 private:
  BenchPlatform platform_;
  GameSettings settings_;
  LetterGrid board_;
  std::vector<std::string> guesses_;
  PlayedBoard played_;
  BoardWords boardWords_;
  std::string folder_ = TOLVANE_PROGRAM_DIR;
};

void BM_RecordOneGame(benchmark::State& state) {
  GameHistory& history = History();
  const HistoryRow row = RowFromRecord(TypicalGame(kGames));
  for (auto _ : state) benchmark::DoNotOptimize(history.Add(row));
}
BENCHMARK(BM_RecordOneGame)->Unit(benchmark::kMillisecond);

void BM_TenBestOfAMode(benchmark::State& state) {
  GameHistory& history = History();
  const RecordMode mode = ModeOf(TypicalGame(0));
  for (auto _ : state) benchmark::DoNotOptimize(BestTen(history.BestScores(mode)));
}
BENCHMARK(BM_TenBestOfAMode)->Unit(benchmark::kMillisecond);

// The first opening of a run: the file opened and checked, then the window painted.
void BM_OpenHistoryWindowToFirstPaint(benchmark::State& state) {
  History();
  BenchHost host;
  for (auto _ : state) {
    const std::unique_ptr<GameHistory> history = OpenHistory(HistoryPath());
    THistoryWindow window(host, *history);
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(BM_OpenHistoryWindowToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The game history at 10,000 and 100,000 games: recording one more game, the records
// query, opening the history window to its first paint (Qt's offscreen platform), with
// the file in the page cache and out of it, and exporting every game.
//
// Only what the window showed before the lazy list is used (the module's open function,
// Add, BestScores, the window and its Export button), so that the same file builds and
// measures the game before and after a change in one run.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QLibrary>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
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

QFunctionPointer ModuleFunction(const char* symbol) {
  const QFunctionPointer function =
      QLibrary::resolve(QString(TOLVANE_PROGRAM_DIR) + "/" + kHistoryModule, symbol);
  if (!function) std::abort();
  return function;
}

// A game as a good player leaves it: 40 guesses on a board that allows 300 words.
GameRecord TypicalGame(int i) {
  GameRecord game;
  game.PlayedAt = 1700000000 + static_cast<int64_t>(i) * 600;
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

QTemporaryDir& Folder() {
  static QTemporaryDir dir(QDir::tempPath() + "/tolvane-bench-XXXXXX");
  return dir;
}

// The history file of `games` games, made once in a run.
QString HistoryPath(int games) {
  static std::map<int, QString> made;
  if (const auto known = made.find(games); known != made.end()) return known->second;
  const QString path = Folder().filePath(QString("history-%1.sqlite").arg(games));
  {
    const std::unique_ptr<GameHistory> history = OpenHistory(path);
    for (int i = 0; i < games; ++i) history->Add(RowFromRecord(TypicalGame(i)));
  }
  return made[games] = path;
}

// The file out of the page cache, as after a restart of the machine: the kernel is told
// its pages are not needed (no privileges, and no other file is touched).
void DropFromCache(const QString& path) {
  for (const QString& file : {path, path + "-wal"}) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
  }
}

// The real platform, with the chart from the module in the program's folder, and the
// export's file dialog answered.
class BenchPlatform : public QtPlatform {
 public:
  std::unique_ptr<ProgressChart> MakeProgressChart(QWidget* parent) override {
    const auto make =
        reinterpret_cast<MakeProgressChartFunction>(ModuleFunction(kMakeProgressChartSymbol));
    return std::unique_ptr<ProgressChart>(make(parent));
  }
  QString GetSaveFileName(QWidget*, const FileDialogRequest&) override {
    return Folder().filePath("export.csv");
  }
  void ShowMessage(QWidget*, const QString& text, const QString&) override {
    std::fprintf(stderr, "%s\n", qPrintable(text));
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
  const std::unique_ptr<GameHistory> history = OpenHistory(HistoryPath(10000));
  const HistoryRow row = RowFromRecord(TypicalGame(10000));
  std::vector<int64_t> added;
  for (auto _ : state) added.push_back(history->Add(row));
  for (const int64_t id : added) history->Remove(id);  // the file stays as the others expect
}
BENCHMARK(BM_RecordOneGame)->Unit(benchmark::kMillisecond);

void BM_TenBestOfAMode(benchmark::State& state) {
  const std::unique_ptr<GameHistory> history = OpenHistory(HistoryPath(10000));
  const RecordMode mode = ModeOf(TypicalGame(0));
  for (auto _ : state) benchmark::DoNotOptimize(BestTen(history->BestScores(mode)));
}
BENCHMARK(BM_TenBestOfAMode)->Unit(benchmark::kMillisecond);

// The first opening of a run: the file opened and checked, then the window painted.
// Arguments: the games, and whether the file is out of the page cache first.
void BM_OpenHistoryWindowToFirstPaint(benchmark::State& state) {
  const QString path = HistoryPath(static_cast<int>(state.range(0)));
  BenchHost host;
  for (auto _ : state) {
    if (state.range(1) != 0) {
      state.PauseTiming();
      DropFromCache(path);
      state.ResumeTiming();
    }
    const std::unique_ptr<GameHistory> history = OpenHistory(path);
    THistoryWindow window(host, *history);
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(BM_OpenHistoryWindowToFirstPaint)
    ->ArgNames({"games", "cold"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Export through the window's button: every game read and written to a file.
void BM_ExportGames(benchmark::State& state) {
  const std::unique_ptr<GameHistory> history = OpenHistory(HistoryPath(10000));
  BenchHost host;
  THistoryWindow window(host, *history);
  auto* exportButton = window.findChild<QPushButton*>("ExportButton");
  for (auto _ : state) exportButton->click();
}
BENCHMARK(BM_ExportGames)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

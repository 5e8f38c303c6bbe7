#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/game_host.h"
#include "settings/puzzle_file.h"
#include "tests/fake_platform.h"

// The main window as a dialog sees it, for testing a dialog on its own: settings, board
// and guesses to set up, and a record of what the dialog asked of the window.
class FakeGameHost : public GameHost {
 public:
  FakeGameHost() { owner.resize(632, 418); }

  QWidget* Window() override { return &owner; }
  Platform& Services() override { return platform; }
  GameSettings& Settings() override { return settings; }
  LetterGrid& Board() override { return board; }
  const std::vector<std::string>& Guesses() const override { return guesses; }
  // The board as it stands, unless the test put another board in the game's place.
  const PlayedBoard& GameBoard() const override {
    if (gameBoard) return *gameBoard;
    played = {board, settings.Height, settings.Width};
    return played;
  }
  BoardWords& WordsOfBoard() override { return boardWords; }
  double ScaleFactor() const override { return scaleFactor; }
  QSize ScreenSize() const override { return screen; }
  const std::string& ProgramDirectory() const override { return programDirectory; }
  void BoardResized() override { ++boardResized; }
  void BoardLoaded() override { ++boardLoaded; }
  void RepaintBoard() override { ++boardRepainted; }
  void GuessListLookChanged() override { ++guessListLookChanged; }
  void ApplyWindowScale(double factor) override {
    appliedScales.push_back(factor);
    scaleFactor = factor;
  }
  bool SaveThePuzzle(PuzzleRecord& record) override {
    savedPuzzles.push_back(record);
    return saveSucceeds;
  }
  void ShowPath(const std::vector<int>& cells) override { shownPaths.push_back(cells); }
  bool FirstJudging() override { return std::exchange(unjudgedGame, false); }
  bool MayChangeBoard() const override { return !unjudgedGame; }

  QWidget owner;
  FakePlatform platform;
  GameSettings settings;
  LetterGrid board;
  std::vector<std::string> guesses;
  std::optional<PlayedBoard> gameBoard;
  mutable PlayedBoard played;
  BoardWords boardWords;
  double scaleFactor = 1.0;
  QSize screen{1280, 1024};
  std::string programDirectory = TOLVANE_PROGRAM_DIR;

  int boardResized = 0;
  int boardLoaded = 0;
  int boardRepainted = 0;
  int guessListLookChanged = 0;
  std::vector<double> appliedScales;
  bool saveSucceeds = true;
  std::vector<PuzzleRecord> savedPuzzles;
  std::vector<std::vector<int>> shownPaths;
  bool unjudgedGame = false;  // a game judged for the first time is recorded
};

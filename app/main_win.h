#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "game/control_states.h"
#include "game/end_rule.h"
#include "game/letter_grid.h"
#include "game/timed_game.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "settings/game_settings.h"
#include "windows/options/puzzle_dialogs.h"
#include "windows/saved_dimensions.h"

class QAction;
class QLabel;
class QPushButton;
class TBoardView;
class TGauge;
class TGuessList;
class TWordEntry;
class ModePlay;
class PlayAccess;
class TLetterLook;
class TShowScore;

// The main window: lays out the board and the playing controls, builds the menus, runs
// the timed game through its rule, and launches every other window.
class TMainWin : public QMainWindow, public GameHost {
  Q_OBJECT
 public:
  explicit TMainWin(Platform& platform);
  ~TMainWin() override;

  // What the dialogs get of the main window.
  QWidget* Window() override { return this; }
  Platform& Services() override { return platform_; }
  GameSettings& Settings() override { return settings_; }
  LetterGrid& Board() override { return grid_; }
  const std::vector<std::string>& Guesses() const override { return game_.Guesses(); }
  PlayedMode GameModePlayed() const override;
  const std::vector<JudgedGuess>* VerdictsAsPlayed() const override;
  int32_t GameSeconds() const override { return game_.GameSeconds(); }
  const ScoreSheet* JudgedSheet() override;
  const PlayedBoard& GameBoard() const override { return game_.Board(); }
  BoardWords& WordsOfBoard() override { return boardWords_; }
  double ScaleFactor() const override { return scaleFactor_; }
  QSize ScreenSize() const override { return {ScreenWidth, ScreenHeight}; }
  const std::string& ProgramDirectory() const override { return programDirectory_; }
  void BoardResized() override;
  void BoardLoaded() override;
  void RepaintBoard() override;
  void GameModeChanged() override;
  void LanguageChanged() override;
  void GuessListLookChanged() override;
  void ApplyWindowScale(double scaleFactor) override;
  bool SaveThePuzzle(PuzzleRecord& record) override { return puzzleFiles_.SaveAs(record); }
  void ShowPath(const std::vector<int>& cells) override;
  bool FirstJudging() override { return game_.FirstJudging(); }
  void StartGame(int32_t gameSeconds, std::unique_ptr<GameWatcher> watcher) override;
  GameWatcher* Watcher() override { return watcher_.get(); }
  bool MayChangeBoard() const override;

  // The windows that live for the whole run.
  TLetterLook& LetterLook() { return *letterLook_; }
  TShowScore& ShowScore();
  QAction* MenuItem(const char* name) const;

  PuzzleFileDialogs& PuzzleFiles() { return puzzleFiles_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Handlers, named after their component and event.
  void ScrambleClick();
  void StartClick();
  void BeginGame(int32_t minutes, int32_t seconds, const GameSettings& rules);
  void MyTimerTimer();
  void StopGame();
  // The game is over by its mode's rule: told as the end of its time is.
  void EndGame(GameEnd end);
  void CheckListClick();
  void ExitButtonClick();
  // Another board is in place of the last: nothing of its game shows any more.
  void BoardReplaced(GameEvent event);

  void FormCreate();
  void FormShow();
  void CreateComponents();
  void ChooseScaleFactor();
  void Apply(GameEvent event);
  PlayedBoard BoardNow() const { return {grid_, settings_.Height, settings_.Width}; }
  // A control or menu item by its object name.
  void SetEnabled(const char* name, bool on);
  bool IsEnabled(const char* name) const;
  void MakeInvisible();
  void MakeVisible();
  void ShowTime();
  void AddGuess();
  // The word box's text into the guess list, and the box emptied; false when blank.
  bool EnterGuess();
  bool GuessListMouseUp();

  Platform& platform_;
  GameSettings settings_;
  LetterGrid grid_;
  TimedGame game_;
  BoardWords boardWords_;
  std::string programDirectory_;
  double scaleFactor_ = 1.0;
  int32_t ScreenWidth = 0;
  int32_t ScreenHeight = 0;
  SavedDimensions dimensions_;
  bool shown_ = false;
  std::unique_ptr<PlayAccess> access_;
  std::unique_ptr<ModePlay> play_;
  std::unique_ptr<GameWatcher> watcher_;

  TLetterLook* letterLook_ = nullptr;
  TShowScore* showScore_ = nullptr;
  std::unique_ptr<Ticker> MyTimer;

  TBoardView* board_ = nullptr;
  TGuessList* GuessList = nullptr;
  QPushButton* CheckList = nullptr;
  QPushButton* ExitButton = nullptr;
  QPushButton* Scramble = nullptr;
  QPushButton* Start = nullptr;
  TWordEntry* WordEntry = nullptr;
  QLabel* TimePanel = nullptr;
  TGauge* MyGauge = nullptr;
  std::vector<QWidget*> playingControls_;
  PuzzleFileDialogs puzzleFiles_{*this};
};

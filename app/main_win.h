#pragma once

#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "game/letter_grid.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "presentation/saved_dimensions.h"
#include "settings/game_settings.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TGauge;
class TLetterLook;
class TShowScore;

// The main window: the board, the timed game and the guess list, the menus, and the
// launching of every other window. It owns the game state.
class TMainWin : public QMainWindow, public GameHost {
  Q_OBJECT
 public:
  explicit TMainWin(Platform& platform);
  ~TMainWin() override;

  // The guess list items, in entry order.
  QStringList GuessItems() const;

  // What the dialogs get of the main window.
  QWidget* Window() override { return this; }
  Platform& Services() override { return platform; }
  GameSettings& Settings() override { return settings_; }
  LetterGrid& Board() override { return grid_; }
  const std::vector<std::string>& Guesses() const override { return guesses_; }
  double ScaleFactor() const override { return scaleFactor_; }
  QSize ScreenSize() const override { return {ScreenWidth, ScreenHeight}; }
  const std::string& ProgramDirectory() const override { return programDirectory_; }
  const std::string& StartDirectory() const override { return startDirectory_; }
  void BoardResized() override;
  void BoardLoaded() override;
  void RepaintBoard() override;
  void GuessListLookChanged() override;
  void ApplyWindowScale(double scaleFactor) override;
  bool SaveThePuzzle(PuzzleRecord& record) override;
  void ShowPath(const std::vector<int>& cells) override;

  // Event handlers, named after their component and event.
  void ScrambleClick();
  void StartClick();
  void MyTimerTimer();
  void StopGame();
  void ShowTime();
  void AddGuess();
  void CheckListClick();
  void ExitButtonClick();
  void MenuExitClick();
  void MenuAmericanClick();
  void MenuBackBitClick();
  void MenuContentsClick();
  void MenuAboutClick();
  void MenuProductsClick();
  void MenuSetupClick();
  void MenuOpenClick();
  void MenuSaveClick();
  void MakeInvisible();
  void MakeVisible();

  // Board drawing and picking, on the client area.
  void FormPaint(QPainter& painter, const QRect& dirty);
  int GetLetterIndex(int x, int y) const;
  void FormMouseDown(int x, int y);
  void FormMouseUp(int x, int y);
  void FormMouseMove(int x, int y);

  Platform& platform;
  GameSettings settings_;
  LetterGrid grid_;
  std::string startDirectory_;
  std::string programDirectory_;

  // Game state.
  bool GameRunning = false;
  int32_t ElapsedSeconds = 0;
  int32_t GameSeconds = 0;
  bool TenSecondWarningGiven = false;
  int32_t PressedCell = -1;
  bool ScrambleAnimation = false;

  // Board geometry of the last paint.
  int32_t BoardTop = 0;
  int32_t BoardLeft = 0;
  int32_t TileSize = 60;

  // Window scale, chosen at start-up from WindowSize and the screen.
  double scaleFactor_ = 1.0;
  int32_t ScreenWidth = 0;
  int32_t ScreenHeight = 0;
  SavedDimensions Dimensions;

  // Windows that live for the whole run, made right after this one.
  TLetterLook* LetterLook = nullptr;
  TShowScore* ShowScore = nullptr;

  // Components.
  QWidget* Surface = nullptr;  // the client area, on which the board is painted
  QFrame* GuessPanel = nullptr;
  QLabel* GuessLabel = nullptr;
  QListWidget* GuessList = nullptr;
  QPushButton* CheckList = nullptr;
  QPushButton* ExitButton = nullptr;
  QPushButton* Scramble = nullptr;
  QPushButton* Start = nullptr;
  QFrame* WordPanel = nullptr;
  QLabel* WordLabel = nullptr;
  QLineEdit* WordEntry = nullptr;
  QFrame* TimeHeadPanel = nullptr;
  QLabel* TimerLabel = nullptr;
  QLabel* TimePanel = nullptr;
  TGauge* MyGauge = nullptr;
  std::unique_ptr<Ticker> MyTimer;
  QImage BackImage;
  QImage WhiteImage;
  QImage Image1;
  QCursor GridCursor;

  // Menu items.
  QAction* MenuOpen = nullptr;
  QAction* MenuSave = nullptr;
  QAction* MenuDesign = nullptr;
  QAction* N640x480 = nullptr;
  QAction* N800x600 = nullptr;
  QAction* N1024x768 = nullptr;
  QAction* N1280x1024 = nullptr;
  QAction* MenuPrint = nullptr;
  QAction* MenuSetup = nullptr;
  QAction* MenuExit = nullptr;
  QAction* MenuDimensions = nullptr;
  QAction* MenuFont = nullptr;
  QAction* MenuTimer = nullptr;
  QAction* MenuWordLength = nullptr;
  QAction* MenuScoring = nullptr;
  QAction* MenuPlayOptions = nullptr;
  QAction* MenuBackBit = nullptr;
  QAction* MenuGuessFont = nullptr;
  QAction* MenuGuessColumns = nullptr;
  QAction* MenuAmerican = nullptr;
  QAction* MenuAddTo = nullptr;
  QAction* MenuExclude = nullptr;
  QAction* MenuLookUp = nullptr;
  QAction* MenuContents = nullptr;
  QAction* MenuAbout = nullptr;
  QAction* MenuProducts = nullptr;

  // Last file names of the puzzle dialogs, kept between uses.
  QString OpenDialogFileName;
  QString SaveDialogFileName;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormClose();
  void CreateComponents();
  void CreateMenus();
  void ApplyGuessListColumns();
  void ChooseScaleFactor();
  void PlayScrambleAnimation();
  void GuessListMouseUp();
  void PaintTile(QPainter& painter, int cell, char letter, const QFont& font, const QColor& color);
  QRect CellRect(int cell) const;
  std::array<QWidget*, 9> PlayingControls() const;

  bool shown_ = false;
  std::vector<std::string> guesses_;
  std::vector<int> shownPath_;
  int animatedCell_ = 0;  // while the Scramble animation plays: the cell flickering
  char animatedLetter_ = ' ';
};

#pragma once

#include <QSize>
#include <string>
#include <vector>

#include "game/letter_grid.h"
#include "settings/game_settings.h"

class Platform;
class QWidget;
struct PuzzleRecord;

// What the main window offers the dialogs it launches. A dialog is handed this and never
// sees the main window itself, so each dialog lives in its own folder and file.
class GameHost {
 public:
  virtual ~GameHost() = default;

  // The owner of every dialog and message box launched from the main window.
  virtual QWidget* Window() = 0;
  virtual Platform& Services() = 0;

  virtual GameSettings& Settings() = 0;
  virtual LetterGrid& Board() = 0;
  // The guess list, in entry order, " (DUP)" marks included.
  virtual const std::vector<std::string>& Guesses() const = 0;

  virtual double ScaleFactor() const = 0;
  // Read once at start-up.
  virtual QSize ScreenSize() const = 0;
  virtual const std::string& ProgramDirectory() const = 0;

  // The board was blanked for a new size: it is repainted and can no longer be printed.
  virtual void BoardResized() = 0;
  // A board was opened or designed: it is repainted and can be played.
  virtual void BoardLoaded() = 0;
  // The letter look (font, tile picture, background) changed: the board is repainted.
  virtual void RepaintBoard() = 0;
  // The guess list's columns or font changed in the settings: applied at once.
  virtual void GuessListLookChanged() = 0;
  // A new window size is in force: the window takes its design layout at `scaleFactor`,
  // centred, with the guess list's font and the board scaled to it.
  virtual void ApplyWindowScale(double scaleFactor) = 0;
  // Asks for a file name and saves `record` there, reporting any failure to the player.
  // False when nothing was saved (cancelled or failed).
  virtual bool SaveThePuzzle(PuzzleRecord& record) = 0;
  // True once for each game played: at the first judging of its guesses, which is the
  // one the game history records.
  virtual bool FirstJudging() = 0;
  // Outlines `cells` (board indexes 1..25, in path order) on the board until called
  // again; an empty list shows the board as it was.
  virtual void ShowPath(const std::vector<int>& cells) = 0;
  // The language in the settings changed: the window shows the new one.
  virtual void LanguageChanged() {}
};

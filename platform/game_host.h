#pragma once

#include <QSize>
#include <string>
#include <vector>

#include "game/letter_grid.h"
#include "game/played_board.h"
#include "settings/game_settings.h"
#include "words/board_words.h"

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
  // The board the guess list was entered on, as it was then: the guesses are judged and
  // recorded against it, also after another board was put in its place.
  virtual const PlayedBoard& GameBoard() const = 0;
  // The words found on a board, kept for every judging of it (GameBoardWords).
  virtual BoardWords& WordsOfBoard() = 0;

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
  // Whether a board of the game's own (a board code, today's board, a game played again)
  // may take the place of the board shown: as Scramble, not before the last game's list
  // is checked.
  virtual bool MayChangeBoard() const = 0;
  // True once for each game played: at the first judging of its guesses, which is the
  // one the game history records.
  virtual bool FirstJudging() = 0;
  // Outlines `cells` (board indexes 1..25, in path order) on the board until called
  // again; an empty list shows the board as it was.
  virtual void ShowPath(const std::vector<int>& cells) = 0;
  // The language in the settings changed: the window shows the new one.
  virtual void LanguageChanged() {}
};

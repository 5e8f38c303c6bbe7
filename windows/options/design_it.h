#pragma once

#include <array>

#include "game/letter_grid.h"
#include "windows/scaled_dialog.h"

class QLineEdit;
class QPushButton;

// "Design Own Puzzle": the player types in a board of the current size, then plays it,
// saves it as a puzzle file, or both.
class TDesignIt : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TDesignIt(GameHost& host);

 private:
  void FormCreate();
  void FormShow() override;
  // False, after telling the player, when a box on the board is still empty.
  bool BlocksFilled();
  // The typed letters as a board: upper case, a blank where a box is empty or hidden.
  LetterGrid TypedBoard() const;
  void SaveTypedPuzzle();
  void PlayTypedPuzzle();

  void SavePuzzleClick();
  void SaveAndPlayClick();
  void PlayPuzzleClick();
  void ExitButtonClick();

  std::array<QLineEdit*, LetterGrid::kCells + 1> Boxes{};  // 1..25, like the board
  QPushButton* SavePuzzle = nullptr;
  QPushButton* SaveAndPlay = nullptr;
  QPushButton* PlayPuzzle = nullptr;
  QPushButton* ExitButton = nullptr;
};

#pragma once

#include <QDialog>
#include <array>

#include "presentation/saved_dimensions.h"

class GameHost;
class QLineEdit;
class QPushButton;

// "Print": the print font, and printing the board as it was when the dialog was shown.
class TPrintOpt : public QDialog {
  Q_OBJECT
 public:
  explicit TPrintOpt(GameHost& host);

  // The board's letters, indexed 1..25 like the board, retaken each time it is shown.
  std::array<char, 26> PrintLetters{};
  SavedDimensions Dimensions;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void FontClick();
  void PrintClick();
  void ShowFontName();

  GameHost& host_;
  QPushButton* Font = nullptr;
  QLineEdit* FontName = nullptr;
  QPushButton* Print = nullptr;
  QPushButton* ExitButton = nullptr;
};

// "&Print Puzzle": the dialog, modal over the main window, gone when it closes.
void ShowPrintOpt(GameHost& host);

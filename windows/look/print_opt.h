#pragma once

#include <array>

#include "windows/scaled_dialog.h"

class QLineEdit;
class QPushButton;

// "Print": the print font, and printing the board as it was when the dialog was shown.
class TPrintOpt : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TPrintOpt(GameHost& host);

  // The board's letters, indexed 1..25 like the board, retaken each time it is shown.
  std::array<char, 26> PrintLetters{};

 private:
  void FormShow() override;
  void FontClick();
  void PrintClick();
  void ShowFontName();

  QPushButton* Font = nullptr;
  QLineEdit* FontName = nullptr;
  QPushButton* Print = nullptr;
  QPushButton* ExitButton = nullptr;
};

#pragma once

#include <array>

#include "windows/options/option_dialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Scoring": points for each word length, and which bad guesses cost a point.
class TScoreOptions : public TOptionDialog {
  Q_OBJECT
 public:
  explicit TScoreOptions(GameHost& host);

 private:
  void OkButtonClick();

  std::array<QLineEdit*, 10> ScoreFields{};  // Score3 ... Score12
  QCheckBox* Misspelled = nullptr;
  QCheckBox* NotInPuzzle = nullptr;
  QCheckBox* TooShort = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

#pragma once

#include <vector>

#include "windows/options/option_dialog.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

// "Game Mode": the way to play, one button for each mode with a line on its rule, and
// for Classic whether each guess is judged as it is entered.
class TGameModeDialog : public TOptionDialog {
  Q_OBJECT
 public:
  explicit TGameModeDialog(GameHost& host);

 private:
  void OkButtonClick();

  std::vector<QRadioButton*> ModeButtons;  // in the order of GameModes()
  QCheckBox* JudgeAsEntered = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

#pragma once

#include "windows/options/option_dialog.h"

class QCheckBox;
class QPushButton;

// "Hints": what the game shows of the board's words during a game. A game played with
// any of them is never a record.
class THintsDialog : public TOptionDialog {
  Q_OBJECT
 public:
  explicit THintsDialog(GameHost& host);

 private:
  void OkButtonClick();

  QCheckBox* WordsByLength = nullptr;
  QCheckBox* WordsStartingHere = nullptr;
  QCheckBox* BestScore = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

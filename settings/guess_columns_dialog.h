#pragma once

#include "settings/option_dialog.h"

class QLineEdit;
class QPushButton;

// "Guess List": how many columns the guess list flows into.
class TGuessColumns : public TOptionDialog {
  Q_OBJECT
 public:
  explicit TGuessColumns(GameHost& host);

 private:
  void OkButtonClick();

  QLineEdit* NumGuessCol = nullptr;
  QPushButton* OkButton = nullptr;
};

void ShowGuessColumns(GameHost& host);

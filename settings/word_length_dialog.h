#pragma once

#include "settings/option_dialog.h"

class QLineEdit;
class QPushButton;

// "Word Length": the shortest guess that scores.
class TWordLength : public TOptionDialog {
  Q_OBJECT
 public:
  explicit TWordLength(GameHost& host);

 private:
  void OkButtonClick();

  QLineEdit* MinWordLen = nullptr;
  QPushButton* OkButton = nullptr;
};

void ShowWordLength(GameHost& host);

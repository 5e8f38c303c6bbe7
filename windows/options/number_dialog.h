#pragma once

#include <vector>

#include "windows/options/option_dialog.h"

class QLineEdit;
class QPushButton;

// The option dialogs that hold nothing but number fields and "&Ok".
enum class NumberDialog {
  WordLength,    // "Word Length": the shortest guess that scores
  GuessColumns,  // "Guess List": the columns of the guess list
  Dimensions,    // "Dimensions": the rows and columns of the board
};

struct NumberDialogRow;

class TNumberDialog : public TOptionDialog {
  Q_OBJECT
 public:
  TNumberDialog(GameHost& host, NumberDialog which);

 private:
  void OkButtonClick();

  const NumberDialogRow& row_;
  std::vector<QLineEdit*> fields_;  // in reading order
  QPushButton* OkButton = nullptr;
};

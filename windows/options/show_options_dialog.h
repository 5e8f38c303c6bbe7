#pragma once

#include "windows/options/option_dialog.h"

class QCheckBox;
class QPushButton;

// "Options": how boards are generated and whether a word may revisit a cell.
class TShowOptions : public TOptionDialog {
  Q_OBJECT
 public:
  explicit TShowOptions(GameHost& host);

 private:
  void OkButtonClick();

  QCheckBox* RepeatLetters = nullptr;
  QCheckBox* AlternateLetters = nullptr;
  QCheckBox* HighFreqLetters = nullptr;
  QPushButton* OkButton = nullptr;
};

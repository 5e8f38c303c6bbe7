#pragma once

#include <cstdint>

#include "settings/option_dialog.h"

class QLineEdit;
class QPushButton;

// "Dimensions": the number of rows and columns of the board.
class TMyDimen : public TOptionDialog {
  Q_OBJECT
 public:
  explicit TMyDimen(GameHost& host);

 private:
  void OkButtonClick();

  // The size when the dialog opened: the board is cleared only when it changes.
  int32_t OldWidth = 0;
  int32_t OldHeight = 0;

  QLineEdit* PuzzWidth = nullptr;
  QLineEdit* PuzzHeight = nullptr;
  QPushButton* OkButton = nullptr;
};

void ShowDimensions(GameHost& host);

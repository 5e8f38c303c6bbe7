#pragma once

#include <array>
#include <cstdint>

#include "windows/options/option_dialog.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

// "Timer": how long a game lasts and how its end is announced.
class TSetTheTimer : public TOptionDialog {
  Q_OBJECT
 public:
  explicit TSetTheTimer(GameHost& host);

 private:
  void OkButtonClick();
  void TabToTheChosen();

  // The announcement being edited: 1 sound, 2 message, 3 both. A value from a hand-edited
  // settings file checks no button and is kept unless the player picks one.
  int32_t TimeUpChoice = 0;

  QLineEdit* Minutes = nullptr;
  QLineEdit* Seconds = nullptr;
  std::array<QRadioButton*, 3> TimeUpButtons{};  // choices 1, 2 and 3
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

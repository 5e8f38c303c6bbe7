#pragma once

#include "windows/scaled_dialog.h"

// "&About": the program's name, version, what it is and its licence.
class TAboutBox : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(GameHost& host);
};

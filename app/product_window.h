#pragma once

#include "windows/scaled_dialog.h"

// "Other &Products": the components the game is built on, with their licences.
class TProductWindow : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TProductWindow(GameHost& host);
};

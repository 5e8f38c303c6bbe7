#pragma once

#include "windows/scaled_dialog.h"

class QLineEdit;
class QPushButton;

// "Look Up Word": asks whether the dictionary, with the player's lists, accepts a word.
// Each check opens its own session, so a list just saved or a language just switched
// counts at once.
class TLookUpWord : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TLookUpWord(GameHost& host);

 private:
  void CheckButtonClick();

  QLineEdit* TheWord = nullptr;
  QPushButton* CheckButton = nullptr;
  QPushButton* ExitButton = nullptr;
};

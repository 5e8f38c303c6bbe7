#pragma once

#include <string>

#include "windows/scaled_dialog.h"
#include "words/definitions/word_meanings.h"

class QLineEdit;
class QPushButton;

// "Look Up Word": asks whether the dictionary, with the player's lists, accepts a word.
// Each check opens its own session, so a list just saved or a language just switched
// counts at once. "&Define" shows what the word means.
class TLookUpWord : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TLookUpWord(GameHost& host);

 private:
  void CheckButtonClick();
  void DefineButtonClick();
  // The trimmed entry; empty after telling the player why there is no word to look up.
  std::string EnteredWord();

  WordMeanings meanings_;  // opened on the first word defined
  QLineEdit* TheWord = nullptr;
  QPushButton* CheckButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QPushButton* DefineButton = nullptr;
};

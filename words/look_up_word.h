#pragma once

#include <QDialog>

#include "presentation/saved_dimensions.h"
#include "words/definitions/word_definitions.h"

class GameHost;
class QLineEdit;
class QPushButton;

// "Look Up Word": asks whether the dictionary, with the player's lists, accepts a word.
// Each check opens its own session, so a list just saved or a language just switched
// counts at once. "&Define" shows what the word means.
class TLookUpWord : public QDialog {
  Q_OBJECT
 public:
  explicit TLookUpWord(GameHost& host);

  // The design layout, recorded when the dialog is made, for scaling to the window size.
  SavedDimensions Dimensions;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CheckButtonClick();
  void DefineButtonClick();
  // The trimmed entry; empty after telling the player to enter a word.
  std::string EnteredWord();

  GameHost& host_;
  WordDefinitions definitions_;  // opened on the first word defined
  QLineEdit* TheWord = nullptr;
  QPushButton* CheckButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QPushButton* DefineButton = nullptr;
};

// "&Look Up Word": the dialog, made for this one use and run modally.
void ShowLookUpWord(GameHost& host);

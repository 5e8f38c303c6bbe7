#pragma once

#include <array>
#include <string>
#include <vector>

#include "settings/game_settings.h"
#include "windows/scaled_dialog.h"
#include "words/check_session.h"
#include "words/definitions/word_meanings.h"
#include "words/scoring.h"

class QLabel;
class QListWidget;
class QPushButton;

// "Puzzle Score": judges the main window's guess list against the board it was entered
// on every time it is shown and sets out the valid words, the bad guesses and the score. A
// double-click on a valid word shows what it means.
class TShowScore : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TShowScore(GameHost& host);

 private:
  void PlaceOnScreen() override;
  void FormShow() override;
  void ClearLists();
  void ShowSheet(const ScoreSheet& sheet);
  void MissedWordsClick();
  void ValidWordsDoubleClick();

  WordMeanings meanings_;  // opened on the first word defined
  ScoreSheet sheet_;       // of the last showing

  QListWidget* ValidWords = nullptr;
  QListWidget* NotInPuzzle = nullptr;
  QListWidget* Misspelled = nullptr;
  QListWidget* TooShort = nullptr;
  std::array<QLabel*, kLengthLines> LetterLabels{};  // Letter3 ... Letter12
  std::array<QLabel*, kLengthLines> ScoreLabels{};   // Score3 ... Score12
  QLabel* NotInPuzzleLabel = nullptr;
  QLabel* NotInPuzzleScore = nullptr;
  QLabel* MisspelledLabel = nullptr;
  QLabel* MisspelledScore = nullptr;
  QLabel* TooShortLabel = nullptr;
  QLabel* TooShortScore = nullptr;
  QLabel* FinalScore = nullptr;
  QPushButton* MissedWordsButton = nullptr;
  QPushButton* OKButton = nullptr;
};

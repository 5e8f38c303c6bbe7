#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/letter_grid.h"
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
// double-click or Enter on a valid word shows what it means.
class TShowScore : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TShowScore(GameHost& host);
  // What the last showing judged, while the host's board and guesses are the ones it
  // judged; nothing otherwise, or when the dictionary could not be opened.
  const ScoreSheet* SheetOfTheGuesses() const;

 private:
  void PlaceOnScreen() override;
  void FormShow() override;
  void ClearLists();
  void ShowSheet(const ScoreSheet& sheet);
  void SpeakSheet(const ScoreTexts& texts);
  void MissedWordsClick();
  void ValidWordsActivated();
  bool eventFilter(QObject* watched, QEvent* event) override;

  WordMeanings meanings_;  // opened on the first word defined
  ScoreSheet sheet_;       // of the last showing
  std::optional<std::pair<LetterGrid, std::vector<std::string>>> judged_;  // board, guesses

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

#pragma once

#include <string>
#include <vector>

#include "windows/scaled_dialog.h"
#include "words/definitions/word_meanings.h"
#include "words/missed_word_list.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// "Missed Words": the words of the board the player did not find, each with its points
// and how common it is; choosing one shows its path on the main window's board and what
// it means beside the list. "&Common words only" (kept in the settings) leaves out the
// rare words, from the list and from the count alike.
class TMissedWords : public TScaledDialog {
  Q_OBJECT
 public:
  // `meanings` outlives the window: what it has read serves the next showing too.
  TMissedWords(GameHost& host, QWidget* owner, MissedWordList list, WordMeanings& meanings);

 private:
  void FormShow() override { MissedListCurrentChanged(); }
  void MissedListCurrentChanged();
  void CommonWordsOnlyClick();
  void FillList();

  MissedWordList list_;
  std::vector<MissedWord> shown_;  // the rows of the list
  WordMeanings& meanings_;

  QLabel* FoundLine = nullptr;
  QTreeWidget* MissedList = nullptr;
  QPlainTextEdit* DefinitionText = nullptr;
  QCheckBox* CommonWordsOnly = nullptr;
};

// Shows the words of the host's game board (GameBoardWords) that are not among
// `validGuesses` in a modal window owned by `owner`; their paths only while that board
// is the one shown. The board shows no path once the window is closed. Nothing is shown
// when the dictionary cannot be opened. The words are defined with `meanings`.
void ShowMissedWords(GameHost& host, QWidget& owner, const std::vector<std::string>& validGuesses,
                     WordMeanings& meanings);

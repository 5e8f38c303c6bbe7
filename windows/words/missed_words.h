#pragma once

#include <string>
#include <vector>

#include "windows/scaled_dialog.h"
#include "words/missed_word_list.h"

class QLabel;
class QPushButton;
class QTreeWidget;

// "Missed Words": the words of the board the player did not find, each with its points;
// choosing one shows its path on the main window's board.
class TMissedWords : public TScaledDialog {
  Q_OBJECT
 public:
  TMissedWords(GameHost& host, QWidget* owner, MissedWordList list);

 private:
  void FormShow() override { MissedListCurrentChanged(); }
  void MissedListCurrentChanged();

  MissedWordList list_;

  QTreeWidget* MissedList = nullptr;
};

// Finds every word on the host's board with a check session of its own and shows those
// not among `validGuesses` in a modal window owned by `owner`. The board shows no path
// once the window is closed. Nothing is shown when the dictionary cannot be opened.
void ShowMissedWords(GameHost& host, QWidget& owner, const std::vector<std::string>& validGuesses);

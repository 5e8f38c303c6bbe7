#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "presentation/saved_dimensions.h"
#include "words/missed_word_list.h"

class GameHost;
class QLabel;
class QPushButton;
class QTreeWidget;

// "Missed Words": the words of the board the player did not find, each with its points;
// choosing one shows its path on the main window's board.
class TMissedWords : public QDialog {
  Q_OBJECT
 public:
  TMissedWords(QWidget* owner, GameHost& host, MissedWordList list);

  // The design layout, recorded when the window is made, for scaling to the window size.
  SavedDimensions Dimensions;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void MissedListCurrentChanged();

  GameHost& host_;
  MissedWordList list_;

  QTreeWidget* MissedList = nullptr;
};

// Finds every word on the host's board with a check session of its own and shows those
// not among `validGuesses` in a modal window owned by `owner`. The board shows no path
// once the window is closed. Nothing is shown when the dictionary cannot be opened.
void ShowMissedWords(GameHost& host, QWidget& owner, const std::vector<std::string>& validGuesses);

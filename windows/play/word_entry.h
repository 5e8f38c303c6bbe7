#pragma once

#include <QLineEdit>
#include <functional>

class TBoardView;

// The "Word" box: the player types a word or picks it letter by letter from the board,
// and Enter enters it. The menu's Ctrl shortcuts reach the menu from here, not the box's
// own cut, copy and select-all.
class TWordEntry : public QLineEdit {
  Q_OBJECT
 public:
  TWordEntry(QWidget* parent, TBoardView& board);

  // Enter was pressed in the box; true when the word was taken and the key is used up.
  std::function<bool()> onEnter;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AppendLetter(char letter);
  void TakeBackLetter();
  bool IsMenuShortcut(const QKeyEvent& key) const;

  TBoardView& board_;
};

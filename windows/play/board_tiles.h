#pragma once

#include <QWidget>
#include <functional>

class QAccessibleInterface;
class TBoardView;

// The board as the keyboard and assistive technology meet it: a see-through layer over
// the board view that takes the focus during a game, moves a focus mark from tile to tile
// with the arrow keys and picks, takes back and enters letters with Space, Backspace and
// Enter. Its accessible interface is a table of the tiles (board_accessible.h).
class TBoardTiles : public QWidget {
  Q_OBJECT
 public:
  explicit TBoardTiles(TBoardView& view);

  TBoardView& View() const { return view_; }
  // The tile under the focus mark, kept on the board when its size changes.
  int FocusedCell() const;
  void SetFocusable(bool focusable);
  // The letters changed (new board, puzzle, design or size): the table is read afresh.
  void LettersChanged();
  // A tile went into or out of the word being built.
  void PickChanged(int cell);
  // What a tile's name tells besides its letter changed (the words starting there).
  void TileNameChanged(int cell);

  // Enter on the board: the word built so far is entered as a guess.
  std::function<void()> onEnter;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool MoveFocusMark(int key);
  void CoverView();
  // The accessible tile of `cell`; nothing while no assistive tool listens.
  QAccessibleInterface* TileInterface(int cell);
  void AnnounceFocusedCell();

  TBoardView& view_;
  int row_ = 1;
  int column_ = 1;
};

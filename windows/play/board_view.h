#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "game/board_geometry.h"

class GameHost;
class TBoardTiles;

// The main window's client area: the background picture and the board are painted on it,
// a tile is picked with the mouse during a game, and a new board appears cell by cell.
// The controls of the main window sit on top of it.
class TBoardView : public QWidget {
  Q_OBJECT
 public:
  TBoardView(GameHost& host, QWidget* parent);

  // The tile background picture, owned by the letter appearance window.
  void SetTilePicture(const QImage* picture) { tilePicture_ = picture; }
  // During a game tiles can be picked and the grid cursor shows over the board.
  void SetPicking(bool picking);
  // Each cell in reading order flickers through random letters for 150 ms, then shows
  // its own; cells not reached yet stay bare. Returns when the whole board is shown.
  void PlayScrambleAnimation();
  // Outlines the tiles of `cells` in order and joins their centres; empty clears it.
  void ShowPath(const std::vector<int>& cells);
  // A number in the corner of each tile: how many words still to find start there
  // (indexed by cell, 1..25). Nothing takes the numbers off. Only the tiles whose number
  // changed are drawn again.
  using StartCounts = std::array<int32_t, LetterGrid::kCells + 1>;
  void ShowStartCounts(const std::optional<StartCounts>& counts);
  // The number shown on `cell`, or nothing.
  std::optional<int32_t> StartCount(int cell) const;

  // The one picking routine of a click and of Space on the board: during a game the
  // tile's letter goes into the word, and the tile is marked picked.
  void PickCell(int cell);
  // Backspace on the board: the last letter goes back out of the word.
  void TakeBackLetter();
  // The word was entered, emptied or edited by hand: no tile is marked picked any more.
  void ForgetPicks();
  bool IsPicked(int cell) const;
  // New letters on the board (scramble, puzzle, design, size): repainted and announced.
  void BoardChanged();
  TBoardTiles& Tiles() const { return *tiles_; }

  BoardGeometry Geometry() const;
  const LetterGrid& Board() const;
  // "GridCurs", shown over the board during a game.
  const QCursor& GridCursor();
  // A tile was clicked (pressed and released on the same cell) during a game.
  std::function<void(char letter)> onLetterPicked;
  std::function<void()> onLetterTakenBack;
  // New letters are on the board and shown.
  std::function<void()> onBoardChanged;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect CellRect(int cell) const;
  void PaintPath(QPainter& painter) const;
  void PaintStartCount(QPainter& painter, int cell) const;

  GameHost& host_;
  const QImage* tilePicture_ = nullptr;
  QImage backImage_;
  QImage whiteImage_;
  QImage image1_;
  std::optional<QCursor> gridCursor_;
  bool picking_ = false;
  int pressedCell_ = -1;
  bool animating_ = false;
  int animatedCell_ = 0;
  char animatedLetter_ = ' ';
  std::vector<int> path_;
  std::vector<int> picked_;
  std::optional<StartCounts> startCounts_;
  TBoardTiles* tiles_ = nullptr;
};

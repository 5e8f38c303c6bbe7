#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "game/board_geometry.h"

class GameHost;

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

  BoardGeometry Geometry() const;
  // "GridCurs", shown over the board during a game.
  const QCursor& GridCursor();
  // A tile was clicked (pressed and released on the same cell) during a game.
  std::function<void(char letter)> onLetterPicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QRect CellRect(int cell) const;
  void PaintPath(QPainter& painter) const;

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
};

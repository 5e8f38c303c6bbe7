#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <array>
#include <functional>

class QPainter;
class QPaintDevice;

// Everything a print of the puzzle needs, copied out of the game so that the print
// module sees no game state.
struct PuzzlePrint {
  // Indexed 1..25 like the board: (row - 1) * 5 + column; element 0 unused.
  std::array<char, 26> Letters{};
  int Height = 4;
  int Width = 4;
  QFont Font;
  QColor Color = Qt::black;
};

// Where the board goes on a page, in the device's pixels, and the font it is printed in.
struct PuzzlePageLayout {
  int Left = 0;
  int Top = 0;
  int UsableWidth = 0;
  int Edge = 0;  // of one square: the width of " W " in `Font`
  QFont Font;
};

// Margins from the printable area, and the print font shrunk a point at a time until a
// row of `width` squares fits the usable width. `device` gives the resolution the font
// is measured at.
PuzzlePageLayout LayOutPuzzlePage(QSize page, const QFont& font, int width, QPaintDevice* device);

// One page: the board's squares with one letter centred in each.
void DrawPuzzlePage(QPainter& painter, const PuzzlePrint& job, const PuzzlePageLayout& layout);

// One page per copy, `newPage` called between them. False when a new page could not be
// begun.
bool DrawPuzzleCopies(QPainter& painter, QSize page, const PuzzlePrint& job, int copies,
                      const std::function<bool()>& newPage);

#include "platform/puzzle_page.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <algorithm>

namespace {

int EdgeFor(const QFont& font, QPaintDevice* device) {
  return QFontMetrics(font, device).horizontalAdvance(" W ");
}

}  // namespace

PuzzlePageLayout LayOutPuzzlePage(QSize page, const QFont& font, int width, QPaintDevice* device) {
  PuzzlePageLayout layout;
  layout.Left = page.width() / 17;
  layout.Top = page.height() / 22;
  layout.UsableWidth = page.width() - 2 * layout.Left;
  layout.Font = font;
  int size = font.pointSize() > 0 ? font.pointSize() : 1;
  layout.Font.setPointSize(size);
  layout.Edge = EdgeFor(layout.Font, device);
  // One point is as small as it gets: below that the letters are gone, and a page too
  // narrow for even that still prints rather than never finishing.
  while (width * layout.Edge > layout.UsableWidth && size > 1) {
    layout.Font.setPointSize(--size);
    layout.Edge = EdgeFor(layout.Font, device);
  }
  return layout;
}

void DrawPuzzlePage(QPainter& painter, const PuzzlePrint& job, const PuzzlePageLayout& layout) {
  painter.setFont(layout.Font);
  const QFontMetrics metrics = painter.fontMetrics();
  const int e = layout.Edge;
  // The board has at most five rows and columns; nothing outside them is read.
  const int height = std::clamp(job.Height, 0, 5);
  const int width = std::clamp(job.Width, 0, 5);
  for (int row = 1; row <= height; ++row) {
    for (int column = 1; column <= width; ++column) {
      const char byte = job.Letters[static_cast<size_t>((row - 1) * 5 + column)];
      const QString letter = QString::fromLatin1(&byte, 1);
      const int x = layout.Left + (column - 1) * e;
      const int y = layout.Top + (row - 1) * e;
      if (byte != '\0' && byte != ' ') {
        const int w = metrics.horizontalAdvance(letter);
        const int h = metrics.height();
        painter.setPen(job.Color);
        painter.drawText(x + (e - w) / 2, y + (e - h) / 2 + metrics.ascent(), letter);
      }
      painter.setPen(QPen());
      painter.drawPolyline(QPolygon(
          {QPoint(x, y), QPoint(x, y + e), QPoint(x + e, y + e), QPoint(x + e, y), QPoint(x, y)}));
    }
  }
}

bool DrawPuzzleCopies(QPainter& painter, QSize page, const PuzzlePrint& job, int copies,
                      const std::function<bool()>& newPage) {
  const PuzzlePageLayout layout = LayOutPuzzlePage(page, job.Font, job.Width, painter.device());
  for (int copy = 1; copy <= copies; ++copy) {
    DrawPuzzlePage(painter, job, layout);
    if (copy < copies && !newPage()) return false;
  }
  return true;
}

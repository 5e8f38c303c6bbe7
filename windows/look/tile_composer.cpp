#include "windows/look/tile_composer.h"

#include <QFontMetrics>
#include <QPainter>

void ComposeTile(QImage& tile, QImage& letterImage, const QImage& background, int edge, char letter,
                 const QFont& font, const QColor& color) {
  if (tile.size() != QSize(edge, edge)) tile = QImage(edge, edge, QImage::Format_RGB32);
  const QRect square(0, 0, edge, edge);
  {
    QPainter painter(&tile);
    if (background.isNull())
      painter.fillRect(square, Qt::white);
    else
      painter.drawImage(square, background);
  }
  // A blank has no ink to lay on the picture; the first paint meets sixteen of them and
  // need not load the letter font for them.
  if (letter == ' ') return;

  const QString text(QChar::fromLatin1(letter));
  {
    QPainter painter(&letterImage);
    painter.fillRect(square, Qt::white);
    painter.setClipRect(square);
    painter.setFont(font);
    painter.setPen(color);
    const QFontMetrics metrics(font);
    // Integer division truncates toward zero, so a letter wider than the tile is
    // centred with a negative offset and clipped.
    const int x = (edge - metrics.horizontalAdvance(text)) / 2;
    const int y = (edge - metrics.height()) / 2;
    painter.drawText(x, y + metrics.ascent(), text);
  }

  QPainter painter(&tile);
  painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  painter.drawImage(QPoint(0, 0), letterImage, square);
}

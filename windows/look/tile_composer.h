#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

// Composes a tile of edge `edge` in `tile`: the background picture stretched over the
// square, then the letter, drawn black-on-white in `letterImage`, ANDed in channel by
// channel. White letter pixels leave the background, black ones blacken it, a coloured
// font tints it. `letterImage` must be at least `edge` square; `tile` is resized to it.
void ComposeTile(QImage& tile, QImage& letterImage, const QImage& background, int edge, char letter,
                 const QFont& font, const QColor& color);

#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Every window of the game is laid out by absolute geometry in Arial at design pixel
// sizes; these makers keep that the same everywhere.

QFont ArialPixels(int pixels, bool bold = false);

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& bounds,
                  const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& bounds, const QFont& font = ArialPixels(17));

// A bevelled panel: raised or sunken, two pixels deep, filled with `fill` when given.
QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& bounds, QFrame::Shadow shadow,
                  const QColor& fill = QColor());

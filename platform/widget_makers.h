#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QRect>
#include <QString>

class QAbstractItemView;
class QLabel;
class QListView;
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

// A list's rows: 19 pixels at the design size, scaled with the window as its layout is,
// and never lower than a line of the list's font, so that words never print over each
// other. Every row has this one height, so the list measures none of them. Set again
// after the font or the window size changes.
void SetListRowHeight(QListView& list, double scaleFactor);
// The row height last set by SetListRowHeight.
int ListRowHeight(const QListView& list);

// Assistive technology chooses a row by selecting it, which leaves the current row (the
// one a window shows and acts on) where it was. Here the current row follows the
// selection, so a chosen row does what a click on it does. Call once the view has its
// model.
void CurrentFollowsSelection(QAbstractItemView& view);

// A screen reader says a list's name when it takes the focus but not the row it is on,
// which left the player guessing what Enter would act on. Here that row is told as
// focused once the list's own news is out.
void SayCurrentRowOnFocus(QAbstractItemView& view);

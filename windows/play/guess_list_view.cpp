#include "windows/play/guess_list_view.h"

#include <QEvent>
#include <algorithm>

#include "platform/widget_makers.h"

TGuessList::TGuessList(QWidget* parent) : QListWidget(parent) {
  setObjectName("GuessList");
  SetListRowHeight(*this, 1.0);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFlow(QListView::TopToBottom);
  setResizeMode(QListView::Adjust);
}

void TGuessList::ApplyColumns(int columns, double scaleFactor) {
  SetListRowHeight(*this, scaleFactor);
  columns = std::clamp(columns, 1, 3);
  // Items run down a column and wrap into the next, as a multi-column list box does.
  setWrapping(columns > 1);
  setGridSize(columns > 1 ? QSize(width() / columns, ListRowHeight(*this)) : QSize());
}

void TGuessList::AddGuess(const QString& guess) {
  addItem(guess);
  setCurrentRow(count() - 1);
  scrollToItem(item(count() - 1));
}

bool TGuessList::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && onMouseUp && onMouseUp()) return true;
  return QListWidget::viewportEvent(event);
}

// Qt 6.4's list tells assistive technology that its new current item has the focus
// even when the list has not: each guess entered sent a screen reader from the board or
// the word box to the list. Only a list with the focus says so.
void TGuessList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (hasFocus())
    QListWidget::currentChanged(current, previous);
  else
    QAbstractItemView::currentChanged(current, previous);
}

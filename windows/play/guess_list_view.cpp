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

#include "windows/play/guess_list_view.h"

#include <QEvent>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int kRowHeight = 19;

class FixedRowHeight : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
  }
};

}  // namespace

TGuessList::TGuessList(QWidget* parent) : QListWidget(parent) {
  setObjectName("GuessList");
  setUniformItemSizes(true);
  setItemDelegate(new FixedRowHeight(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFlow(QListView::TopToBottom);
  setResizeMode(QListView::Adjust);
}

void TGuessList::ApplyColumns(int columns) {
  columns = std::clamp(columns, 1, 3);
  // Items run down a column and wrap into the next, as a multi-column list box does.
  setWrapping(columns > 1);
  setGridSize(columns > 1 ? QSize(width() / columns, kRowHeight) : QSize());
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

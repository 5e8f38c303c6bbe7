#include "platform/widget_makers.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "presentation/layout_scaling.h"

namespace {

constexpr int kDesignRowHeight = 19;

class RowHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height};
  }
  int height = kDesignRowHeight;
};

void TellCurrentRow(QAbstractItemView& view) {
  const QModelIndex current = view.currentIndex();
  if (!view.hasFocus() || !current.isValid()) return;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
  QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
  QAccessibleInterface* cell = table ? table->cellAt(current.row(), current.column()) : nullptr;
  if (!cell) return;
  QAccessibleEvent focused(cell, QAccessible::Focus);
  QAccessible::updateAccessibility(&focused);
}

class CurrentRowTeller : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
      auto* view = static_cast<QAbstractItemView*>(watched);
      QMetaObject::invokeMethod(
          view, [view] { TellCurrentRow(*view); }, Qt::QueuedConnection);
    }
    return false;
  }
};

}  // namespace

QFont ArialPixels(int pixels, bool bold) {
  QFont font("Arial");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& bounds,
                  const QFont& font, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(bounds);
  label->setFont(font);
  label->setAlignment(alignment);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& bounds, const QFont& font) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(bounds);
  button->setFont(font);
  return button;
}

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& bounds, QFrame::Shadow shadow,
                  const QColor& fill) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | shadow);
  panel->setLineWidth(2);
  panel->setGeometry(bounds);
  panel->setFont(ArialPixels(17));
  if (fill.isValid()) {
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, fill);
    panel->setPalette(palette);
  }
  return panel;
}

void SetListRowHeight(QListView& list, double scaleFactor) {
  auto* delegate = dynamic_cast<RowHeightDelegate*>(list.itemDelegate());
  if (delegate == nullptr) {
    delegate = new RowHeightDelegate(&list);
    list.setItemDelegate(delegate);
  }
  list.setUniformItemSizes(true);
  delegate->height = std::max(ScaleRound(kDesignRowHeight, LayoutRatio(scaleFactor), 100),
                              QFontMetrics(list.font()).height());
  emit delegate->sizeHintChanged(QModelIndex());
}

int ListRowHeight(const QListView& list) {
  const auto* delegate = dynamic_cast<const RowHeightDelegate*>(list.itemDelegate());
  return delegate != nullptr ? delegate->height : kDesignRowHeight;
}

void CurrentFollowsSelection(QAbstractItemView& view) {
  QItemSelectionModel* selection = view.selectionModel();
  QObject::connect(selection, &QItemSelectionModel::selectionChanged, &view,
                   [selection](const QItemSelection& selected) {
                     if (selected.isEmpty()) return;
                     const QModelIndex chosen = selected.indexes().first();
                     if (chosen.row() != selection->currentIndex().row())
                       selection->setCurrentIndex(chosen, QItemSelectionModel::NoUpdate);
                   });
}

void SayCurrentRowOnFocus(QAbstractItemView& view) {
  view.installEventFilter(new CurrentRowTeller(&view));
}

#include "windows/play/board_tiles.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "windows/play/accessible_factory.h"
#include "windows/play/board_view.h"

TBoardTiles::TBoardTiles(TBoardView& view) : QWidget(&view), view_(view) {
  InstallAccessibleFactory();
  setObjectName("BoardTiles");
  setAccessibleName("Board");
  // The board view below handles every click; this layer only ever sees keys.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

int TBoardTiles::FocusedCell() const {
  const BoardGeometry geometry = view_.Geometry();
  return LetterGrid::CellIndex(std::min(row_, geometry.Height), std::min(column_, geometry.Width));
}

void TBoardTiles::SetFocusable(bool focusable) {
  // Tab only: a click on the board must not show the focus mark to a mouse player.
  setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
}

void TBoardTiles::LettersChanged() {
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
  QAccessibleEvent described(this, QAccessible::DescriptionChanged);  // "no letters yet"
  QAccessible::updateAccessibility(&described);
  // Not every bridge passes the reset on; a new name per tile reaches every screen reader.
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  for (int index = 0; index < table->childCount(); ++index) {
    QAccessibleEvent renamed(table->child(index), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
}

QAccessibleInterface* TBoardTiles::TileInterface(int cell) {
  if (!QAccessible::isActive()) return nullptr;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  return table->tableInterface()->cellAt((cell - 1) / LetterGrid::kStride,
                                         (cell - 1) % LetterGrid::kStride);
}

void TBoardTiles::PickChanged(int cell) {
  QAccessibleInterface* tile = TileInterface(cell);
  if (!tile) return;
  QAccessible::State selected;
  selected.selected = true;
  QAccessibleStateChangeEvent event(tile, selected);
  QAccessible::updateAccessibility(&event);
}

void TBoardTiles::TileNameChanged(int cell) {
  QAccessibleInterface* tile = TileInterface(cell);
  if (!tile) return;
  QAccessibleEvent renamed(tile, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
}

void TBoardTiles::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (MoveFocusMark(event->key())) {
        update();
        AnnounceFocusedCell();
      }
      return;
    case Qt::Key_Space:
      view_.PickCell(FocusedCell());
      return;
    case Qt::Key_Backspace:
      view_.TakeBackLetter();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (onEnter) onEnter();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

// Stops at the edges: a player counting steps knows where the mark is.
bool TBoardTiles::MoveFocusMark(int key) {
  const BoardGeometry geometry = view_.Geometry();
  const int cell = FocusedCell();
  int row = (cell - 1) / LetterGrid::kStride + 1;
  int column = (cell - 1) % LetterGrid::kStride + 1;
  if (key == Qt::Key_Left) column = std::max(1, column - 1);
  if (key == Qt::Key_Right) column = std::min(geometry.Width, column + 1);
  if (key == Qt::Key_Up) row = std::max(1, row - 1);
  if (key == Qt::Key_Down) row = std::min(geometry.Height, row + 1);
  const bool moved = cell != LetterGrid::CellIndex(row, column);
  row_ = row;
  column_ = column;
  return moved;
}

void TBoardTiles::AnnounceFocusedCell() {
  if (!QAccessible::isActive() || !hasFocus()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  if (QAccessibleInterface* tile = table ? table->focusChild() : nullptr) {
    QAccessibleEvent event(tile, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

void TBoardTiles::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  // After the board's own focus news, so the tile is what a screen reader says last.
  QMetaObject::invokeMethod(this, &TBoardTiles::AnnounceFocusedCell, Qt::QueuedConnection);
}

void TBoardTiles::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

// The window's scaling restores every named control to where it stood when the window
// was made, this layer's 100 x 30 from before it was first laid out included: the focus
// mark was clipped away and a screen reader found the board in one corner. Whatever
// places it, the layer covers the whole view.
void TBoardTiles::CoverView() {
  if (geometry() != view_.rect()) setGeometry(view_.rect());
}

void TBoardTiles::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  CoverView();
}

void TBoardTiles::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  CoverView();
}

void TBoardTiles::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  const CellBounds bounds = CellRect(view_.Geometry(), FocusedCell());
  const int width = std::max(3, bounds.Size / 15);
  const QRect tile(bounds.Left, bounds.Top, bounds.Size, bounds.Size);
  QPainter painter(this);
  painter.setBrush(Qt::NoBrush);
  // Black inside white reads on a light tile and on a dark background alike.
  painter.setPen(QPen(Qt::white, width));
  painter.drawRect(tile.adjusted(width / 2, width / 2, -width / 2 - 1, -width / 2 - 1));
  painter.setPen(QPen(Qt::black, width, Qt::DashLine));
  painter.drawRect(tile.adjusted(width, width, -width - 1, -width - 1));
}

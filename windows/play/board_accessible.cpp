#include "windows/play/board_accessible.h"

#include <QPointer>
#include <QWindow>

#include "windows/play/board_tiles.h"
#include "windows/play/board_view.h"

namespace {

bool BoardIsBlank(const LetterGrid& grid, const BoardGeometry& geometry) {
  for (int row = 1; row <= geometry.Height; ++row)
    for (int column = 1; column <= geometry.Width; ++column)
      if (grid.Letters[LetterGrid::CellIndex(row, column)] != ' ') return false;
  return true;
}

// One tile of the board; it has no object of its own and asks the board for everything.
class TileAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TileAccessible(TBoardTiles* tiles, int cell) : tiles_(tiles), cell_(cell) {}

  bool isValid() const override {
    if (!tiles_) return false;
    const BoardGeometry geometry = tiles_->View().Geometry();
    return rowIndex() < geometry.Height && columnIndex() < geometry.Width;
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return tiles_ ? tiles_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(tiles_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text type) const override {
    if (type != QAccessible::Name || !isValid()) return {};
    const char letter = tiles_->View().Board().Letters[cell_];
    const QString shown = letter == ' ' ? QString("blank") : QString(QChar::fromLatin1(letter));
    QString name =
        QString("%1, row %2, column %3").arg(shown).arg(rowIndex() + 1).arg(columnIndex() + 1);
    if (const std::optional<int32_t> starting = tiles_->View().StartCount(cell_))
      name += *starting == 1 ? QString(", 1 word starts here")
                             : QString(", %1 words start here").arg(*starting);
    return name;
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const CellBounds bounds = CellRect(tiles_->View().Geometry(), cell_);
    return {tiles_->mapToGlobal(QPoint(bounds.Left, bounds.Top)), QSize(bounds.Size, bounds.Size)};
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    state.invisible = !tiles_->isVisible();
    state.selectable = true;
    state.selected = isSelected();
    state.focusable = tiles_->focusPolicy() != Qt::NoFocus;
    state.focused = tiles_->hasFocus() && tiles_->FocusedCell() == cell_;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  bool isSelected() const override { return tiles_ && tiles_->View().IsPicked(cell_); }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return (cell_ - 1) % LetterGrid::kStride; }
  int rowIndex() const override { return (cell_ - 1) / LetterGrid::kStride; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TBoardTiles> tiles_;
  int cell_;
};

}  // namespace

// Not a table: a screen reader reads a table's whole row on every move up or down, so
// the player could not tell which tile the mark is on. A group of tiles whose every move
// says the one tile, with the rows and columns still there to ask for.
TBoardAccessible::TBoardAccessible(TBoardTiles* tiles)
    : QAccessibleWidget(tiles, QAccessible::Grouping) {}

TBoardAccessible::~TBoardAccessible() {
  for (const auto& [cell, id] : tiles_) QAccessible::deleteAccessibleInterface(id);
}

TBoardTiles* TBoardAccessible::Tiles() const { return static_cast<TBoardTiles*>(widget()); }

void* TBoardAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TBoardAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Description &&
      BoardIsBlank(Tiles()->View().Board(), Tiles()->View().Geometry()))
    return "no letters yet";
  if (type == QAccessible::Name)
    return QString("%1, %2 by %3")
        .arg(QAccessibleWidget::text(type))
        .arg(rowCount())
        .arg(columnCount());
  return QAccessibleWidget::text(type);
}

int TBoardAccessible::rowCount() const { return Tiles()->View().Geometry().Height; }

int TBoardAccessible::columnCount() const { return Tiles()->View().Geometry().Width; }

int TBoardAccessible::childCount() const { return rowCount() * columnCount(); }

QAccessibleInterface* TBoardAccessible::cellAt(int row, int column) const {
  if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
  const int cell = LetterGrid::CellIndex(row + 1, column + 1);
  auto found = tiles_.find(cell);
  if (found == tiles_.end()) {
    const QAccessible::Id id =
        QAccessible::registerAccessibleInterface(new TileAccessible(Tiles(), cell));
    found = tiles_.emplace(cell, id).first;
  }
  return QAccessible::accessibleInterface(found->second);
}

QAccessibleInterface* TBoardAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return cellAt(index / columnCount(), index % columnCount());
}

int TBoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (const auto& [cell, id] : tiles_) {
    if (QAccessible::accessibleInterface(id) != child) continue;
    const int row = (cell - 1) / LetterGrid::kStride;
    const int column = (cell - 1) % LetterGrid::kStride;
    if (row >= rowCount() || column >= columnCount()) return -1;
    return row * columnCount() + column;
  }
  return -1;
}

QAccessibleInterface* TBoardAccessible::childAt(int x, int y) const {
  const QPoint at = Tiles()->mapFromGlobal(QPoint(x, y));
  const int cell =
      GetLetterIndex(Tiles()->View().Geometry(), Tiles()->View().Board(), at.x(), at.y());
  if (cell == -1) return nullptr;
  return cellAt((cell - 1) / LetterGrid::kStride, (cell - 1) % LetterGrid::kStride);
}

QAccessibleInterface* TBoardAccessible::focusChild() const {
  if (!Tiles()->hasFocus()) return nullptr;
  const int cell = Tiles()->FocusedCell();
  return cellAt((cell - 1) / LetterGrid::kStride, (cell - 1) % LetterGrid::kStride);
}

int TBoardAccessible::selectedCellCount() const { return selectedCells().size(); }

QList<QAccessibleInterface*> TBoardAccessible::selectedCells() const {
  QList<QAccessibleInterface*> selected;
  for (int row = 0; row < rowCount(); ++row)
    for (int column = 0; column < columnCount(); ++column)
      if (Tiles()->View().IsPicked(LetterGrid::CellIndex(row + 1, column + 1)))
        selected << cellAt(row, column);
  return selected;
}

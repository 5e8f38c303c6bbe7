#pragma once

#include <QAccessibleWidget>
#include <map>

class TBoardTiles;

// The board as a group of tiles with a table's rows and columns, as on screen; its name
// says its size ("Board, 4 by 4"). A tile's name is its letter and its place ("Q, row 2,
// column 3"); a tile picked into the word is selected.
class TBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TBoardAccessible(TBoardTiles* tiles);
  ~TBoardAccessible() override;

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text type) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  // Picking is the game's own: a screen reader cannot select rows or columns.
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  // The tiles are read afresh on every question, so a new board needs nothing here.
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  TBoardTiles* Tiles() const;

  // One interface per board cell (1..25), made when first asked for.
  mutable std::map<int, QAccessible::Id> tiles_;
};

#pragma once

#include <QDialog>

// "Other &Products": the components the game is built on, with their licences.
class TProductWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TProductWindow(QWidget* owner);
};

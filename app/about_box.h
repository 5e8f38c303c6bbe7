#pragma once

#include <QDialog>

// "&About": the program's name, version, what it is and its licence.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* owner);
};

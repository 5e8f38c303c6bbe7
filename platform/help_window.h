#pragma once

#include <QDialog>

class QTextBrowser;

// The in-program help viewer: shows the HTML help file, opened at its contents.
class THelpWindow : public QDialog {
  Q_OBJECT
 public:
  THelpWindow(QWidget* owner, const QString& helpFilePath);
  // False when the help file could not be read; the window should then not be shown.
  bool Loaded() const { return loaded_; }

 private:
  QTextBrowser* browser_ = nullptr;
  bool loaded_ = false;
};

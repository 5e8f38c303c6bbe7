#pragma once

#include <QDialog>

#include "platform/platform.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The font dialog of the game: scalable faces only, the four styles the settings can
// keep, sizes held to the asked range, and when asked the effects (strikeout, underline
// and a colour from the sixteen basic ones).
class TFontChooser : public QDialog {
  Q_OBJECT
 public:
  TFontChooser(QWidget* owner, const FontDialogRequest& request);

  FontDialogAnswer Chosen() const;

 private:
  void FillFamilies();
  void FillColors();
  void SizeTyped();
  void ShowSample();
  int LowestSize() const;
  int HighestSize() const;

  FontDialogRequest request_;
  QListWidget* FamilyList = nullptr;
  QListWidget* StyleList = nullptr;
  QLineEdit* SizeEdit = nullptr;
  QListWidget* SizeList = nullptr;
  QCheckBox* Strikeout = nullptr;
  QCheckBox* Underline = nullptr;
  QComboBox* ColorBox = nullptr;
  QLabel* Sample = nullptr;
  QPushButton* OkButton = nullptr;
};

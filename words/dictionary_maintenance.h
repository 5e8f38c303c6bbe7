#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "presentation/saved_dimensions.h"

class GameHost;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Dictionary Maintenance": shows one of the player's two word lists, lets the player add
// and delete entries, and writes the list back on "&Ok" only.
class TMyEditBox : public QDialog {
  Q_OBJECT
 public:
  explicit TMyEditBox(GameHost& host);

  // 2: the addition list; any other value: the exclusion list. Set before showing.
  int16_t ListMode = 1;

  // The design layout, recorded when the dialog is made, for scaling to the window size.
  SavedDimensions Dimensions;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void AddButtonClick();
  void DeleteButtonClick();
  void OkButtonClick();

  bool EditsAdditions() const { return ListMode == 2; }
  std::string ListPath() const;

  GameHost& host_;

  QLabel* HeadLabel = nullptr;
  QLineEdit* AddInfo = nullptr;
  QPushButton* AddButton = nullptr;
  QListWidget* TheList = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

// "Add To D&ictionary" (list mode 2) and "Excl&ude From Dictionary" (list mode 1): the
// dialog, made for this one use and run modally.
void ShowDictionaryMaintenance(GameHost& host, int16_t listMode);

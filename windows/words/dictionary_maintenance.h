#pragma once

#include <cstdint>
#include <string>

#include "windows/scaled_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Dictionary Maintenance": shows one of the player's two word lists, lets the player add
// and delete entries, and writes the list back on "&Ok" only.
class TMyEditBox : public TScaledDialog {
  Q_OBJECT
 public:
  // `listMode` 2: the addition list; any other value: the exclusion list.
  TMyEditBox(GameHost& host, int16_t listMode);

  const int16_t ListMode;

 private:
  void FormShow() override;
  void AddButtonClick();
  void DeleteButtonClick();
  void OkButtonClick();

  bool EditsAdditions() const { return ListMode == 2; }
  std::string ListPath() const;

  QLabel* HeadLabel = nullptr;
  QLineEdit* AddInfo = nullptr;
  QPushButton* AddButton = nullptr;
  QListWidget* TheList = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

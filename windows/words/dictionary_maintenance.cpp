#include "windows/words/dictionary_maintenance.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <optional>
#include <vector>

#include "base/paths.h"
#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "settings/game_settings.h"
#include "words/engine/spelling_engine.h"
#include "words/engine/user_list_file.h"
#include "words/language.h"
#include "words/user_word_list.h"

TMyEditBox::TMyEditBox(GameHost& host, int16_t listMode)
    : TScaledDialog(host, "MyEditBox", "Dictionary Maintenance", {262, 442}), ListMode(listMode) {
  MakePanel(this, "Bevel", {4, 8, 253, 385}, QFrame::Raised);
  HeadLabel = MakeLabel(this, "HeadLabel", "", {8, 16, 245, 41}, ArialPixels(15),
                        Qt::AlignHCenter | Qt::AlignVCenter);
  HeadLabel->setWordWrap(true);

  AddInfo = new QLineEdit(this);
  AddInfo->setObjectName("AddInfo");
  AddInfo->setAccessibleName("Word");
  AddInfo->setGeometry(12, 72, 149, 27);
  AddInfo->setFont(ArialPixels(17));
  AddInfo->setMaxLength(static_cast<int>(kLongestCheckedWord));
  AddButton = MakeButton(this, "AddButton", "&Add", {176, 72, 73, 29});

  TheList = new QListWidget(this);
  TheList->setObjectName("TheList");
  TheList->setAccessibleName("Words");
  TheList->setGeometry(12, 108, 237, 241);
  TheList->setFont(ArialPixels(17));

  DeleteButton = MakeButton(this, "DeleteButton", "&Delete", {77, 356, 107, 29});
  OkButton = MakeButton(this, "OkButton", "&Ok", {8, 400, 117, 33});
  CancelButton = MakeButton(this, "CancelButton", "&Cancel", {136, 400, 117, 33});
  // A dialog makes the first button after the focus its default when shown, and a
  // focused button the default while it has the focus: Enter typed in the entry box would
  // then delete the selected entry, or save. No button may ever be the default here.
  for (QPushButton* button : {AddButton, DeleteButton, OkButton, CancelButton})
    button->setAutoDefault(false);

  connect(AddButton, &QPushButton::clicked, this, &TMyEditBox::AddButtonClick);
  connect(DeleteButton, &QPushButton::clicked, this, &TMyEditBox::DeleteButtonClick);
  connect(OkButton, &QPushButton::clicked, this, &TMyEditBox::OkButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(AddInfo, AddButton);
  setTabOrder(AddButton, TheList);
  setTabOrder(TheList, DeleteButton);
  setTabOrder(DeleteButton, OkButton);
  setTabOrder(OkButton, CancelButton);
  RecordDesignLayout();
}

std::string TMyEditBox::ListPath() const {
  // Each language has its own two lists; English's keep their old names.
  const Language& language = ChosenLanguage(host.Settings());
  return JoinPath(host.Services().UserDataDirectory(),
                  std::string(EditsAdditions() ? language.AdditionList : language.ExclusionList));
}

void TMyEditBox::FormShow() {
  SetListRowHeight(*TheList, host.ScaleFactor());
  TheList->clear();
  HeadLabel->setText(EditsAdditions()
                         ? "These words will be added to the dictionary and counted as valid."
                         : "These words will be excluded from the dictionary and will be invalid.");
  const std::optional<std::vector<std::string>> words = ReadUserWordList(ListPath());
  if (words) {
    // All in one insertion: a list of a million words fills in a second.
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(words->size()));
    for (const std::string& word : *words) entries.append(TextFromBytes(word));
    TheList->addItems(entries);
  } else {
    host.Services().ShowMessage(this, "The word list could not be read.", "Error");
  }
  TheList->setFocus();
  if (TheList->count() > 0) TheList->setCurrentRow(0);
}

void TMyEditBox::AddButtonClick() {
  const std::optional<std::string> typed = ExactTextToBytes(AddInfo->text());
  if (!typed) {
    host.Services().ShowMessage(this, kNotSingleByteMessage, "Error");
    AddInfo->setFocus();
    return;
  }
  const std::string word = TrimBlanks(*typed);
  // A pasted line break could not be stored in the list, so such a text is not taken.
  if (IsStorableWord(word)) TheList->addItem(TextFromBytes(word));
  AddInfo->clear();
  AddInfo->setFocus();
}

void TMyEditBox::DeleteButtonClick() {
  const int row = TheList->currentRow();
  if (row < 0 || !TheList->item(row)->isSelected()) return;
  delete TheList->takeItem(row);
  if (TheList->count() > 0) TheList->setCurrentRow(std::min(row, TheList->count() - 1));
}

void TMyEditBox::OkButtonClick() {
  std::vector<std::string> words;
  for (int row = 0; row < TheList->count(); ++row)
    words.push_back(TextToBytes(TheList->item(row)->text()));
  const int16_t kind = EditsAdditions() ? SE_KIND_ADDITION : SE_KIND_EXCLUSION;
  // The player's edits stay on screen when the list cannot be written, and the old file
  // stays as it was.
  if (!WriteUserWordList(ListPath(), kind, words)) {
    host.Services().ShowMessage(this, "Unable to save the word list.", "Error");
    return;
  }
  accept();
}

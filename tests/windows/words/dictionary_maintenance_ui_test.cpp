#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "tests/fake_game_host.h"
#include "tests/file_size_limit.h"
#include "tests/temp_folder.h"
#include "windows/words/dictionary_maintenance.h"
#include "words/engine/spelling_engine.h"
#include "words/user_word_list.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Words = std::vector<std::string>;

class DictionaryMaintenanceTest : public ::testing::Test {
 protected:
  TMyEditBox& Show(int16_t listMode) {
    dialog_ = std::make_unique<TMyEditBox>(host_, listMode);
    dialog_->show();
    return *dialog_;
  }

  std::string ListPath(int16_t listMode) const {
    return host_.platform.userDataDirectory + "/" +
           (listMode == 2 ? kAdditionListFile : kExclusionListFile);
  }
  void WriteList(int16_t listMode, const Words& words) {
    ASSERT_TRUE(WriteUserWordList(ListPath(listMode),
                                  listMode == 2 ? SE_KIND_ADDITION : SE_KIND_EXCLUSION, words));
  }

  template <typename T>
  T* Find(const char* name) {
    T* found = dialog_->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QListWidget* List() { return Find<QListWidget>("TheList"); }
  QStringList Entries() {
    QStringList entries;
    for (int row = 0; row < List()->count(); ++row) entries << List()->item(row)->text();
    return entries;
  }
  // The selected entry, or an empty text when none is.
  QString Selected() {
    const QList<QListWidgetItem*> selected = List()->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
  }
  void Add(const QString& text) {
    Find<QLineEdit>("AddInfo")->setText(text);
    Find<QPushButton>("AddButton")->click();
  }
  void Delete(int row) {
    List()->setCurrentRow(row);
    Find<QPushButton>("DeleteButton")->click();
  }
  void Press(const char* button) { Find<QPushButton>(button)->click(); }

  FakeGameHost host_;
  std::unique_ptr<TMyEditBox> dialog_;
};

TEST_F(DictionaryMaintenanceTest, TabOrderAndNoDefaultButton) {
  TMyEditBox& dialog = Show(2);
  // Tab goes AddInfo, AddButton, TheList, DeleteButton, OkButton, CancelButton.
  QStringList order;
  QWidget* widget = Find<QLineEdit>("AddInfo");
  for (int step = 0; step < 6; ++step) {
    order << widget->objectName();
    widget = widget->nextInFocusChain();
    while (widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
  }
  EXPECT_EQ(order, (QStringList{"AddInfo", "AddButton", "TheList", "DeleteButton", "OkButton",
                                "CancelButton"}));

  // Enter in the entry box neither adds nor saves, even after a button had the focus.
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  Find<QPushButton>("OkButton")->setFocus();
  Find<QLineEdit>("AddInfo")->setFocus();
  Find<QLineEdit>("AddInfo")->setText("cat");
  QTest::keyClick(Find<QLineEdit>("AddInfo"), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_THAT(Entries(), IsEmpty());
  EXPECT_FALSE(std::filesystem::exists(ListPath(2)));
}

// Opened with the focus on a list whose first entry is selected: the dialog would make
// "&Delete" its default, and Enter in the entry box would delete that entry.
TEST_F(DictionaryMaintenanceTest, EnterInTheEntryBoxNeitherDeletesNorAddsAndNoButtonIsDefault) {
  WriteList(2, {"keep", "these"});
  TMyEditBox& dialog = Show(2);
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* entry = Find<QLineEdit>("AddInfo");
  for (const char* focused : {"TheList", "DeleteButton", "OkButton"}) {
    SCOPED_TRACE(focused);
    Find<QWidget>(focused)->setFocus();
    entry->setFocus();
    entry->setText("cat");
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Entries(), (QStringList{"keep", "these"}));
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
  }
}

TEST_F(DictionaryMaintenanceTest, AWordBeyondSingleByteTextIsRefusedAndNothingIsAdded) {
  Show(2);
  Add(QString::fromUtf8("Ωmega"));
  Add(QString::fromUtf8("日本"));
  EXPECT_THAT(Entries(), IsEmpty());
  ASSERT_EQ(host_.platform.messages.size(), 2u);
  EXPECT_EQ(host_.platform.messages[0].text,
            "The word contains a character the dictionary cannot hold.");
  EXPECT_EQ(host_.platform.messages[0].caption, "Error");
  EXPECT_EQ(Find<QLineEdit>("AddInfo")->text(), QString::fromUtf8("日本")) << "left to correct";
  Add(QString::fromUtf8("café"));
  EXPECT_EQ(Entries(), QStringList{QString::fromUtf8("café")});
}

TEST_F(DictionaryMaintenanceTest, ShowsTheChosenListInStoredOrderWithTheFirstEntrySelected) {
  const std::string longWord(60, 'L');
  WriteList(2, {"Zeta", "alpha", "Zeta", longWord});
  Show(2);
  EXPECT_EQ(Find<QLabel>("HeadLabel")->text(),
            "These words will be added to the dictionary and counted as valid.");
  EXPECT_EQ(Entries(), (QStringList{"Zeta", "alpha", "Zeta", QString::fromStdString(longWord)}));
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_EQ(Selected(), "Zeta");
  EXPECT_EQ(dialog_->focusWidget(), List());

  // Any mode but 2 is the exclusion list; no file is an empty list, not an error.
  Show(0);
  EXPECT_EQ(Find<QLabel>("HeadLabel")->text(),
            "These words will be excluded from the dictionary and will be invalid.");
  EXPECT_THAT(Entries(), IsEmpty());
  EXPECT_EQ(Selected(), "");
  EXPECT_THAT(host_.platform.messages, IsEmpty());
}

TEST_F(DictionaryMaintenanceTest, AddAppendsTheTrimmedTextAsTypedRepeatsIncluded) {
  Show(1);
  Add("  cat  ");
  Add("   ");
  Add("");
  Add("Cat");
  Add("cat");
  EXPECT_EQ(Entries(), (QStringList{"cat", "Cat", "cat"}));
  EXPECT_EQ(Find<QLineEdit>("AddInfo")->text(), "");
  EXPECT_EQ(dialog_->focusWidget(), Find<QLineEdit>("AddInfo"));

  // A pasted line break could not be stored; such a text is not taken.
  Add("two\nlines");
  EXPECT_EQ(Entries().size(), 3);
  Find<QLineEdit>("AddInfo")->clear();
  QTest::keyClicks(Find<QLineEdit>("AddInfo"), QString(60, 'x'));
  EXPECT_EQ(Find<QLineEdit>("AddInfo")->text(), QString(50, 'x'));
}

TEST_F(DictionaryMaintenanceTest, DeleteSelectsTheEntryThatTookThePlaceOrTheNewLast) {
  WriteList(1, {"a", "b", "c", "d"});
  Show(1);
  Delete(1);
  EXPECT_EQ(Entries(), (QStringList{"a", "c", "d"}));
  EXPECT_EQ(Selected(), "c") << "the one that moved up";
  Delete(2);
  EXPECT_EQ(Entries(), (QStringList{"a", "c"}));
  EXPECT_EQ(Selected(), "c") << "the new last one";

  List()->clearSelection();
  Press("DeleteButton");
  EXPECT_EQ(Entries(), (QStringList{"a", "c"})) << "nothing selected, nothing deleted";

  Delete(0);
  Delete(0);
  EXPECT_THAT(Entries(), IsEmpty());
  EXPECT_EQ(Selected(), "");
  Press("DeleteButton");
  EXPECT_THAT(Entries(), IsEmpty());
}

TEST_F(DictionaryMaintenanceTest, OkSavesTheEntriesInOrderAndTheNextShowingReadsThemBack) {
  EXPECT_FALSE(std::filesystem::exists(host_.platform.userDataDirectory));
  const std::string longWord(60, 'w');
  Show(2);
  Add("qwertz");
  Add("Zeta");
  Add("qwertz");
  Add("gone");
  Delete(3);
  Add(QString::fromStdString(longWord.substr(0, 50)));
  Press("OkButton");
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog_->isVisible());
  const Words saved{"qwertz", "Zeta", "qwertz", longWord.substr(0, 50)};
  EXPECT_EQ(ReadUserWordList(ListPath(2)), saved) << "the data folder is made by the first save";
  EXPECT_FALSE(std::filesystem::exists(ListPath(1)));

  // A word longer than the entry box takes, written by hand, goes back unchanged.
  WriteList(2, {"qwertz", longWord});
  Show(2);
  EXPECT_EQ(Entries().size(), 2);
  Press("OkButton");
  EXPECT_EQ(ReadUserWordList(ListPath(2)), (Words{"qwertz", longWord}));

  // Ok with everything deleted still leaves a list file, an empty one.
  Show(2);
  Delete(0);
  Delete(0);
  Press("OkButton");
  EXPECT_EQ(ReadUserWordList(ListPath(2)), Words{});
  EXPECT_TRUE(std::filesystem::exists(ListPath(2)));
  EXPECT_THAT(host_.platform.messages, IsEmpty());
}

TEST_F(DictionaryMaintenanceTest, CancelAndTheCloseBoxLeaveTheFileByteForByte) {
  Show(1);
  Add("nothing");
  Press("CancelButton");
  EXPECT_EQ(dialog_->result(), QDialog::Rejected);
  EXPECT_FALSE(std::filesystem::exists(host_.platform.userDataDirectory))
      << "no list, no folder made";

  WriteList(1, {"keep", "these"});
  const std::string before = ReadFileBytes(ListPath(1));
  Show(1);
  Add("more");
  Delete(0);
  Press("CancelButton");
  EXPECT_EQ(ReadFileBytes(ListPath(1)), before);

  Show(1);
  Add("more");
  dialog_->close();
  EXPECT_EQ(ReadFileBytes(ListPath(1)), before);
}

TEST_F(DictionaryMaintenanceTest, ASaveThatFailsKeepsTheDialogTheEditsAndTheOldFile) {
  WriteList(2, {"old"});
  const std::string before = ReadFileBytes(ListPath(2));
  Show(2);
  for (int i = 0; i < 20; ++i) Add(QString("newword%1").arg(i));
  {
    FileSizeLimit full(before.size() + 16);
    Press("OkButton");
  }
  ASSERT_EQ(host_.platform.messages.size(), 1u);
  EXPECT_EQ(host_.platform.messages[0].text, "Unable to save the word list.");
  EXPECT_EQ(host_.platform.messages[0].caption, "Error");
  EXPECT_EQ(host_.platform.messages[0].owner, dialog_.get());
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(Entries().size(), 21);
  EXPECT_EQ(ReadFileBytes(ListPath(2)), before);

  // Once there is room again, the same edits are saved.
  Press("OkButton");
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(ReadUserWordList(ListPath(2))->size(), 21u);
}

TEST_F(DictionaryMaintenanceTest, AnUnreadableListOpensEmptyAndIsReplacedOnlyByOk) {
  std::filesystem::create_directories(host_.platform.userDataDirectory);
  const std::string garbage = "not a word list\n\x01\x02";
  std::ofstream(ListPath(1), std::ios::binary) << garbage;
  Show(1);
  ASSERT_EQ(host_.platform.messages.size(), 1u);
  EXPECT_EQ(host_.platform.messages[0].text, "The word list could not be read.");
  EXPECT_EQ(host_.platform.messages[0].caption, "Error");
  EXPECT_EQ(host_.platform.messages[0].owner, dialog_.get());
  EXPECT_THAT(Entries(), IsEmpty());
  Add("house");
  Press("CancelButton");
  EXPECT_EQ(ReadFileBytes(ListPath(1)), garbage);

  Show(1);
  Add("house");
  Press("OkButton");
  EXPECT_EQ(ReadUserWordList(ListPath(1)), Words{"house"});
}

TEST_F(DictionaryMaintenanceTest, ListRowsGrowWithTheWindow) {
  WriteList(2, {"one"});
  host_.scaleFactor = 1.6;
  Show(2);
  EXPECT_EQ(dialog_->size(), QSize(419, 707));
  Add("two");
  EXPECT_EQ(List()->visualItemRect(List()->item(0)).height(), 30);
  EXPECT_EQ(List()->visualItemRect(List()->item(1)).height(), 30);
}

}  // namespace

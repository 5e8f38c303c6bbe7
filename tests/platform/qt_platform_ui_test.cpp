#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "base/clock.h"
#include "base/random_source.h"
#include "platform/help_window.h"
#include "platform/qt_platform.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
      hadOld_ = true;
    }
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnvironment() {
    if (hadOld_)
      setenv(name_, old_.c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool hadOld_ = false;
};

// The player types a name into the save dialog and presses Enter, as in the real one.
void SaveAs(QFileDialog& dialog, const QString& name) {
  auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(edit, nullptr);
  edit->setText(name);
  QTest::keyClick(edit, Qt::Key_Return);
}

TEST(QtPlatform, SaveDialogRefusesAFolderThatDoesNotExistAndStaysOpen) {
  QTemporaryDir folder;
  const std::unique_ptr<QFileDialog> dialog(MakeSaveFileDialog(
      nullptr, {"Save Tolvane File", "Tolvane (*.TVN)", "TVN", folder.filePath("P1.TVN")}));
  QSignalSpy chosen(dialog.get(), &QFileDialog::fileSelected);
  dialog->show();

  SaveAs(*dialog, "missing/P1.TVN");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(chosen.count(), 0);
  auto* box = dialog->findChild<QMessageBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle(), "Error");
  EXPECT_TRUE(box->text().contains("does not exist")) << box->text().toStdString();
  delete box;

  SaveAs(*dialog, "P2");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(QFileInfo(chosen.first().first().toString()).fileName(), "P2.TVN");
}

TEST(QtPlatform, KeepsTheSettingsFileInTheUsersConfigurationFolder) {
  QtPlatform platform;
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(platform.SettingsFilePath(), "/srv/config/tolvane/TOLVANE.INI");
  }
  const std::string home = QDir::homePath().toStdString();
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(platform.SettingsFilePath(), home + "/.config/tolvane/TOLVANE.INI");
  }
  {  // A relative folder is not a configuration folder: it would move with the directory.
    ScopedEnvironment config("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(platform.SettingsFilePath(), home + "/.config/tolvane/TOLVANE.INI");
  }
}

TEST(QtPlatform, KeepsThePlayersWordListsInTheUsersDataFolder) {
  QtPlatform platform;
  {
    ScopedEnvironment data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(platform.UserDataDirectory(), "/srv/data/tolvane");
  }
  const std::string home = QDir::homePath().toStdString();
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/data"}) {
    ScopedEnvironment data("XDG_DATA_HOME", unusable);
    EXPECT_EQ(platform.UserDataDirectory(), home + "/.local/share/tolvane");
  }
}

TEST(QtPlatform, KnowsTheProgramAndTheCurrentFolder) {
  QtPlatform platform;
  EXPECT_EQ(platform.ProgramFilePath(), QCoreApplication::applicationFilePath().toStdString());
  EXPECT_EQ(platform.CurrentDirectory(), QDir::currentPath().toStdString());
}

TEST(QtPlatform, ClockRunsForwardAndRandomStaysInRange) {
  QtPlatform platform;
  const int64_t first = platform.MsClock().NowMs();
  EXPECT_GE(platform.MsClock().NowMs(), first);
  for (int i = 0; i < 1000; ++i) {
    const int value = platform.Random().Random(26);
    ASSERT_GE(value, 0);
    ASSERT_LT(value, 26);
  }
}

}  // namespace

namespace {

TEST(QtPlatform, AskingForHelpAgainRaisesTheOneHelpWindow) {
  QtPlatform platform;
  QWidget owner;
  const QString helpFile = QStringLiteral(TOLVANE_PROGRAM_DIR) + "/TOLVANE.HLP";
  platform.ShowHelp(&owner, helpFile);
  platform.ShowHelp(&owner, helpFile);
  EXPECT_EQ(owner.findChildren<THelpWindow*>().size(), 1);
}

}  // namespace

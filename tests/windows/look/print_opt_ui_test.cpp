#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "platform/plugin_modules.h"
#include "tests/app/main_win_fixture.h"
#include "tests/fake_game_host.h"
#include "tests/small_file_system.h"
#include "windows/look/print_opt.h"

namespace {

class PrintOptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int cell = 1; cell <= 25; ++cell)
      host.board.Letters[cell] = static_cast<char>('A' + cell - 1);
    host.settings.Height = 5;
    host.settings.Width = 4;
  }

  // Runs the dialog from its launcher; `act` plays the player while it is open.
  void Run(const std::function<void(TPrintOpt&)>& act) {
    host.platform.onExec = [&](QDialog& dialog) { act(static_cast<TPrintOpt&>(dialog)); };
    ShowDialog<TPrintOpt>(host);
  }

  static void Click(QDialog& dialog, const char* name) {
    QPushButton* button = dialog.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }

  FakeGameHost host;
};

TEST_F(PrintOptTest, ShowsThePrintFontAndWaitsOnPrint) {
  host.settings.PrintPuzzleFont.Name = "Liberation Serif";
  host.settings.PrintPuzzleFont.Size = 1234;
  Run([&](TPrintOpt& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Print");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("FontName")->text(), "1,234pt Liberation Serif");
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("FontName")->focusPolicy() & Qt::TabFocus);
    auto* print = dialog.findChild<QPushButton*>("Print");
    EXPECT_TRUE(print->isDefault());
    EXPECT_EQ(dialog.focusWidget(), print);
    EXPECT_EQ(dialog.parentWidget(), host.Window());
    EXPECT_EQ(dialog.size(), QSize(183, 145));
    EXPECT_EQ(dialog.PrintLetters, host.board.Letters);
  });
  EXPECT_EQ(host.platform.dialogsShown.size(), 1u);
}

TEST_F(PrintOptTest, PuzzleFontChangesTheSettingOnlyWhenChosen) {
  const FontDescription before = host.settings.PrintPuzzleFont;
  QFont chosen("Liberation Serif");
  chosen.setPointSize(22);
  chosen.setBold(true);
  chosen.setUnderline(true);
  host.platform.fontAnswers = {std::nullopt, FontDialogAnswer{chosen, QColor(1, 2, 3)}};
  Run([&](TPrintOpt& dialog) {
    Click(dialog, "Font");
    EXPECT_EQ(host.settings.PrintPuzzleFont.Name, before.Name) << "cancel changes nothing";
    EXPECT_EQ(host.settings.PrintPuzzleFont.Size, before.Size);
    Click(dialog, "Font");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("FontName")->text(), "22pt Liberation Serif");
  });
  ASSERT_EQ(host.platform.fontRequests.size(), 2u);
  EXPECT_EQ(host.platform.fontRequests[0].font.family(), "Arial");
  EXPECT_EQ(host.platform.fontRequests[0].font.pointSize(), 16);
  EXPECT_TRUE(host.platform.fontRequests[0].effects);
  const FontDescription& font = host.settings.PrintPuzzleFont;
  EXPECT_EQ(font.Name, "Liberation Serif");
  EXPECT_EQ(font.Size, 22);
  EXPECT_TRUE(font.Bold);
  EXPECT_TRUE(font.Underline);
  EXPECT_FALSE(font.Italic);
  EXPECT_EQ(font.Color, 0x030201);
}

TEST_F(PrintOptTest, PrintsTheBoardAsShownWithTheBusyCursorAndStaysOpen) {
  host.settings.PrintPuzzleFont.Color = 0x0000FF;
  host.platform.printDialogAnswers = {false, true, true};
  Run([&](TPrintOpt& dialog) {
    host.board.Letters[1] = 'Z';  // changed after the dialog was shown: not printed
    Click(dialog, "Print");
    EXPECT_TRUE(host.platform.prints.empty()) << "the print dialog was cancelled";
    Click(dialog, "Print");
    Click(dialog, "Print");
    EXPECT_TRUE(dialog.isVisible());
  });
  EXPECT_EQ(host.platform.printDialogOwners.size(), 3u);
  EXPECT_EQ(host.platform.printDialogOwners[0], host.platform.dialogsShown.front());
  ASSERT_EQ(host.platform.prints.size(), 2u);
  const PuzzlePrint& job = host.platform.prints[0];
  EXPECT_EQ(job.Letters[1], 'A');
  EXPECT_EQ(job.Letters[25], 'Y');
  EXPECT_EQ(job.Height, 5);
  EXPECT_EQ(job.Width, 4);
  EXPECT_EQ(job.Font.family(), "Arial");
  EXPECT_EQ(job.Font.pointSize(), 16);
  EXPECT_EQ(job.Color, QColor(255, 0, 0));
  EXPECT_EQ(host.platform.printCursors, (std::vector<int>{Qt::WaitCursor, Qt::WaitCursor}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(host.platform.messages.empty());
}

TEST_F(PrintOptTest, APrintStillRunningOrAPrinterThatRefusesIsReported) {
  host.platform.printInProgress = true;
  host.platform.printDialogAnswers = {true};
  Run([&](TPrintOpt& dialog) {
    Click(dialog, "Print");
    ASSERT_EQ(host.platform.messages.size(), 1u);
    EXPECT_EQ(host.platform.messages[0].text, "Other print job currently in progress.");
    EXPECT_EQ(host.platform.messages[0].caption, "Error");
    EXPECT_EQ(host.platform.messages[0].owner, &dialog);
    EXPECT_TRUE(host.platform.printDialogOwners.empty());

    host.platform.printInProgress = false;
    host.platform.printSucceeds = false;
    Click(dialog, "Print");
  });
  ASSERT_EQ(host.platform.messages.size(), 2u);
  EXPECT_EQ(host.platform.messages[1].text, "Unable to print puzzle.");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Printing to a PDF file on a full disk, through the print module the game loads: the
// PDF writer reports no failed write, yet the player must hear of it and find no file
// that looks printed.
TEST_F(PrintOptTest, APrintToAFileOnAFullDiskIsReportedAndLeavesNoFile) {
  SmallFileSystem disk;
  if (!disk.Mounted()) GTEST_SKIP() << SmallFileSystem::kNotMounted;
  const auto module = [](const char* symbol) {
    return QLibrary::resolve(QString(TOLVANE_PROGRAM_DIR) + "/" + kPrintModule, symbol);
  };
  const auto printer = reinterpret_cast<ThePrinterFunction>(module(kThePrinterSymbol));
  const auto print = reinterpret_cast<PrintPuzzleFunction>(module(kPrintPuzzleSymbol));
  ASSERT_TRUE(printer && print);
  const std::string pdf = disk.File("puzzle.pdf");
  printer()->setOutputFormat(QPrinter::PdfFormat);
  printer()->setOutputFileName(QString::fromStdString(pdf));
  printer()->setCopyCount(1);
  host.platform.printer = print;
  for (const std::size_t room : {0, 4096}) {
    SCOPED_TRACE(room);
    disk.Fill(room);
    host.platform.messages.clear();
    host.platform.printDialogAnswers = {true};
    Run([&](TPrintOpt& dialog) { Click(dialog, "Print"); });
    ASSERT_EQ(host.platform.messages.size(), 1u);
    EXPECT_EQ(host.platform.messages[0].text, "Unable to print puzzle.");
    EXPECT_EQ(QDir(QString::fromStdString(disk.Path())).entryList(QDir::Files), QStringList())
        << "nothing left beside the filler";
    disk.Empty();
  }
  host.platform.messages.clear();
  host.platform.printDialogAnswers = {true};
  Run([&](TPrintOpt& dialog) { Click(dialog, "Print"); });
  EXPECT_TRUE(host.platform.messages.empty()) << "room again";
  EXPECT_GT(QFileInfo(QString::fromStdString(pdf)).size(), 4096);
}

TEST_F(MainWinTest, PrintPuzzleOpensThePrintDialogOverTheBoard) {
  Button("Scramble")->click();
  QAction* print = Window().findChild<QAction*>("MenuPrint");
  ASSERT_TRUE(print->isEnabled());
  char shown = 0;
  platform.onExec = [&](QDialog& dialog) {
    if (auto* opt = qobject_cast<TPrintOpt*>(&dialog)) shown = opt->PrintLetters[1];
  };
  print->trigger();
  EXPECT_NE(shown, 0);
  EXPECT_EQ(shown, Window().Board().Letters[1]);
}

}  // namespace

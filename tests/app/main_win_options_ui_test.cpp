#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "tests/app/main_win_fixture.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ClickNamed(QDialog& dialog, const char* name) {
  QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
}

TEST_F(MainWinTest, DimensionsFromTheMenuBlankTheBoardForItsNewSize) {
  TMainWin& w = Window();
  Button("Scramble")->click();
  ExpectState({true, true, false, false, "E&xit", true, true, true, true, true}, "scrambled");
  platform.onExec = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.parentWidget(), &w);
    QLineEdit* height = dialog.findChild<QLineEdit*>("PuzzHeight");
    height->selectAll();
    QTest::keyClicks(height, "5");
    ClickNamed(dialog, "OkButton");
  };
  w.findChild<QAction*>("MenuDimensions")->trigger();
  ASSERT_EQ(platform.dialogsShown.size(), 1u);
  EXPECT_EQ(w.Settings().Height, 5);
  for (int cell = 1; cell <= 25; ++cell) {
    EXPECT_EQ(w.Board().Letters[cell], ' ') << cell;
    EXPECT_EQ(w.Board().CellOnBoard[cell], (cell - 1) % 5 < 4) << cell;
  }
  // Only printing goes: the blank board can still be saved and started.
  ExpectState({true, true, false, false, "E&xit", true, true, true, false, true}, "resized");
}

TEST_F(MainWinTest, ADesignedBoardIsSavedPlayedOpenedAgainAndScored) {
  TMainWin& w = Window();
  const QString path = dir.path() + "/MINE.TVN";
  const QString letters = "catshomedrugwxyz";  // a 4 x 4 board, row by row
  platform.saveAnswers = {path};
  platform.onExec = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Design Own Puzzle");
    for (int row = 0; row < 4; ++row)
      for (int column = 0; column < 4; ++column) {
        auto* box = dialog.findChild<QLineEdit*>(QString("Box%1").arg(row * 5 + column + 1));
        QTest::keyClicks(box, letters.mid(row * 4 + column, 1));
      }
    ClickNamed(dialog, "SaveAndPlay");
  };
  Button("Scramble")->click();  // a scrambled board first, so that "Save Puzzle" is offered
  w.findChild<QAction*>("MenuDesign")->trigger();
  const std::string designed(w.Board().Letters.begin() + 1, w.Board().Letters.end());
  EXPECT_EQ(designed, "CATS HOME DRUG WXYZ      ");
  EXPECT_TRUE(Button("Start")->isEnabled());

  const QByteArray saved = ReadAll(path);
  ASSERT_EQ(saved.size(), 755);
  EXPECT_EQ(saved.mid(6, 25).toStdString(), designed);

  // Opened again and saved under another name, the file comes back byte for byte.
  w.Board().Blank();
  platform.openAnswers = {path};
  Menu("MenuOpen")->trigger();
  EXPECT_EQ(std::string(w.Board().Letters.begin() + 1, w.Board().Letters.end()), designed);
  platform.saveAnswers = {dir.path() + "/AGAIN.TVN"};
  Menu("MenuSave")->trigger();
  EXPECT_EQ(ReadAll(dir.path() + "/AGAIN.TVN"), saved);

  Button("Start")->click();
  Type("cat");
  Type("home");
  Type("cats");
  Button("ExitButton")->click();  // "Abort"
  QString total;
  platform.onExec = [&](QDialog& dialog) {
    total = dialog.findChild<QLabel*>("FinalScore")->text();
    dialog.close();
  };
  Button("CheckList")->click();
  EXPECT_EQ(total, "3");
}

}  // namespace

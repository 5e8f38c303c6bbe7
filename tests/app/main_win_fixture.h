#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main_win.h"
#include "app/tolvane_app.h"
#include "tests/fake_platform.h"
#include "windows/play/board_view.h"
#include "windows/play/gauge.h"

// C A T S
// H O U S    CAT, CATS, HOUSE, DOG ...: a 4 x 4 board of common words for PlaceBoard.
// D O G E
// M I L K
inline constexpr const char* kWordyBoard =
    "CATS "
    "HOUS "
    "DOGE "
    "MILK "
    "     ";

// The main window with its companion windows, made as the program makes them, over fake
// platform services and a settings file in a fresh folder.
class MainWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    platform.currentDirectory = dir.path().toStdString();
    platform.settingsFile = (dir.path() + "/TOLVANE.INI").toStdString();
  }

  TMainWin& Window() {
    if (!window) {
      window = std::make_unique<TMainWin>(platform);
      window->show();
      window->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    return *window;
  }

  void PlaceBoard(const char* rows, int height, int width) {
    TMainWin& win = Window();
    win.Settings().Height = height;
    win.Settings().Width = width;
    win.Board().ComputeCellOnBoard(height, width);
    for (int cell = 1; cell <= 25; ++cell) win.Board().Letters[cell] = rows[cell - 1];
    win.BoardLoaded();  // as opening a puzzle file does
  }

  template <class T>
  T* Find(const char* name) {
    T* found = Window().findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
  QAction* Menu(const char* name) { return Find<QAction>(name); }
  QLineEdit* WordEntry() { return Find<QLineEdit>("WordEntry"); }
  QListWidget* GuessList() { return Find<QListWidget>("GuessList"); }
  TBoardView* Surface() { return Find<TBoardView>("Board"); }
  BoardGeometry Geometry() { return Surface()->Geometry(); }
  bool GameRunning() { return Button("ExitButton")->text() == "Abort"; }
  QStringList GuessItems() {
    QStringList items;
    for (int row = 0; row < GuessList()->count(); ++row) items << GuessList()->item(row)->text();
    return items;
  }

  void Type(const QString& text) {
    WordEntry()->setText(text);
    QTest::keyClick(WordEntry(), Qt::Key_Return);
  }

  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) platform.ticker->Tick();
  }

  // The window's visible state, as one line per control, to compare with the tables.
  struct Controls {
    bool scramble, start, checkList, wordEntry;
    QString exitCaption;
    bool open, save, design, print, dimensions;
  };
  Controls State() {
    Window();
    return {Button("Scramble")->isEnabled(),  Button("Start")->isEnabled(),
            Button("CheckList")->isEnabled(), WordEntry()->isEnabled(),
            Button("ExitButton")->text(),     Menu("MenuOpen")->isEnabled(),
            Menu("MenuSave")->isEnabled(),    Menu("MenuDesign")->isEnabled(),
            Menu("MenuPrint")->isEnabled(),   Menu("MenuDimensions")->isEnabled()};
  }
  void ExpectState(const Controls& expected, const char* when) {
    const Controls got = State();
    SCOPED_TRACE(when);
    EXPECT_EQ(got.scramble, expected.scramble);
    EXPECT_EQ(got.start, expected.start);
    EXPECT_EQ(got.checkList, expected.checkList);
    EXPECT_EQ(got.wordEntry, expected.wordEntry);
    EXPECT_EQ(got.exitCaption, expected.exitCaption);
    EXPECT_EQ(got.open, expected.open);
    EXPECT_EQ(got.save, expected.save);
    EXPECT_EQ(got.design, expected.design);
    EXPECT_EQ(got.print, expected.print);
    EXPECT_EQ(got.dimensions, expected.dimensions);
  }

  QTemporaryDir dir;
  FakePlatform platform;
  std::unique_ptr<TMainWin> window;
};

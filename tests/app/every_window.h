#pragma once

#include <QAction>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#include "platform/font_chooser.h"
#include "platform/help_window.h"
#include "tests/app/main_win_fixture.h"

// Every window of the game, opened once the way a player reaches it, for the checks that
// hold for all of them alike.
class EveryWindowTest : public MainWinTest {
 protected:
  // Hands `visit` each window while it is shown: the main window during a game, the
  // score dialog with its Missed Words, every window of the menus, the definition Look Up
  // Word opens, and the platform's own font dialog, help viewer and text box (the board
  // code's). A window of tabs is visited once per tab. Returns how many were visited.
  int VisitEveryWindow(const std::function<void(QWidget&)>& visit) {
    int visited = 0;
    const auto count = [&](QWidget& window) {
      ++visited;
      visit(window);
    };
    // A window of tabs once per tab.
    const auto countTabs = [&](QWidget& window) {
      count(window);
      for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int tab = 1; tab < tabs->count(); ++tab) {
          tabs->setCurrentIndex(tab);
          count(window);
        }
        tabs->setCurrentIndex(0);
      }
    };
    // A game before, so that the history lists two.
    PlaceBoard("CATS HOUS DOGE MILK      ", 4, 4);
    Button("Start")->click();
    Type("cats");
    Button("ExitButton")->click();
    platform.onExec = [](QDialog& dialog) { dialog.hide(); };
    Button("CheckList")->click();
    platform.onExec = [&](QDialog& dialog) {
      OpenWindowsWithin(dialog);
      countTabs(dialog);
    };
    Button("Start")->click();
    Type("cats");
    Type("dog");
    count(Window());
    Button("ExitButton")->click();
    Button("CheckList")->click();
    for (QAction* item : Window().findChildren<QAction*>())
      if (item->objectName().startsWith("Menu") && !item->isCheckable() &&
          item->objectName() != "MenuExit")
        item->trigger();

    FontDialogRequest fontRequest;
    fontRequest.effects = true;
    TFontChooser fonts(&Window(), fontRequest);
    fonts.show();
    count(fonts);
    THelpWindow help(&Window(), TOLVANE_SOURCE_DIR "/assets/TOLVANE.HLP");
    help.show();
    count(help);
    QInputDialog text(&Window());
    text.setObjectName("TextBox");
    text.setWindowTitle("Play Board Code");
    text.setLabelText("Board code:");
    text.setInputMode(QInputDialog::TextInput);
    text.show();
    count(text);
    platform.onExec = nullptr;
    return visited;
  }

 private:
  static void OpenWindowsWithin(QDialog& dialog) {
    if (auto* missed = dialog.findChild<QPushButton*>("MissedWordsButton")) missed->click();
    if (auto* add = dialog.findChild<QPushButton*>("AddButton")) {
      for (const char* word : {"qat", "zax"}) {
        dialog.findChild<QLineEdit*>("AddInfo")->setText(word);
        add->click();
      }
    }
    if (dialog.objectName() == "LookUpWord") {
      dialog.findChild<QLineEdit*>("TheWord")->setText("dog");
      dialog.findChild<QPushButton*>("DefineButton")->click();
    }
  }
};

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>

#include "platform/font_chooser.h"
#include "platform/help_window.h"
#include "tests/app/main_win_fixture.h"
#include "windows/words/show_score.h"

namespace {

bool NeedsName(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Window:
    case QAccessible::Dialog:
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::ProgressBar:
      return true;
    default:
      return false;
  }
}

// Every control found under `iface` that a player reaches and a screen reader cannot
// name as the player sees it: no name, or a name still holding its mnemonic's "&".
void CollectUnnamed(QAccessibleInterface* iface, const QString& window, QStringList& unnamed) {
  if (!iface || iface->state().invisible) return;
  const QString name = iface->text(QAccessible::Name);
  if (NeedsName(iface->role()) && (name.isEmpty() || name.contains('&')))
    unnamed << window + ": " + (iface->object() ? iface->object()->objectName() : "?") + " \"" +
                   name + "\"";
  for (int index = 0; index < iface->childCount(); ++index)
    CollectUnnamed(iface->child(index), window, unnamed);
}

void CollectUnnamed(QWidget& window, QStringList& unnamed) {
  CollectUnnamed(QAccessible::queryAccessibleInterface(&window), window.objectName(), unnamed);
}

// Every window the menus, the score dialog and its missed words open, as shown.
TEST_F(MainWinTest, EveryControlOfEveryWindowSpeaksItsName) {
  QStringList unnamed;
  int windows = 0;
  platform.onExec = [&](QDialog& dialog) {
    ++windows;
    CollectUnnamed(dialog, unnamed);
    if (auto* score = dynamic_cast<TShowScore*>(&dialog))
      score->findChild<QPushButton*>("MissedWordsButton")->click();
  };
  PlaceBoard("CATS HOUS DOGE MILK      ", 4, 4);
  Button("Start")->click();
  Type("cats");
  CollectUnnamed(Window(), unnamed);
  Button("ExitButton")->click();
  Button("CheckList")->click();
  for (QAction* item : Window().findChildren<QAction*>())
    if (item->objectName().startsWith("Menu") && !item->isCheckable() &&
        item->objectName() != "MenuExit")
      item->trigger();
  EXPECT_GE(windows, 12);
  // The two the platform itself opens.
  FontDialogRequest fontRequest;
  fontRequest.effects = true;
  TFontChooser fonts(&Window(), fontRequest);
  fonts.show();
  CollectUnnamed(fonts, unnamed);
  THelpWindow help(&Window(), TOLVANE_SOURCE_DIR "/assets/TOLVANE.HLP");
  help.show();
  CollectUnnamed(help, unnamed);
  EXPECT_EQ(unnamed.join('\n').toStdString(), "");
}

}  // namespace

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QSet>
#include <QTest>
#include <QWidget>

#include "tests/app/every_window.h"
#include "tests/watchdog.h"

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
    case QAccessible::PageTab:
      return true;
    default:
      return false;
  }
}

QString Describe(QAccessibleInterface* iface, const QString& window) {
  const QObject* object = iface->object();
  return window + ": " + (object ? object->objectName() : "?") + " \"" +
         iface->text(QAccessible::Name) + "\"";
}

// Item views scroll: their rows lie outside them as a matter of course.
bool Scrolls(QAccessible::Role role) {
  return role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table;
}

// Names a window's controls share with the window or the group around them are not
// told apart by a player; two controls by one name are.
bool NamesAControl(QAccessible::Role role) {
  return NeedsName(role) && role != QAccessible::Window && role != QAccessible::Dialog;
}

// What a screen reader cannot tell the player of the controls under `iface`: a control
// without a name, or with its mnemonic's "&" still in it; two controls of one window by
// the same name; a part lying outside the bounds of what holds it.
void CollectNameFaults(QAccessibleInterface* iface, const QString& window, QStringList& named,
                       QStringList& faults) {
  if (!iface || iface->state().invisible) return;
  const QString name = iface->text(QAccessible::Name);
  // Whatever Tab reaches is said by its name, a chart included.
  const auto* widget = qobject_cast<const QWidget*>(iface->object());
  const bool reached = widget && !widget->focusProxy() && widget->focusPolicy() & Qt::TabFocus;
  if (NeedsName(iface->role()) || reached) {
    // A choice named by what it holds, with no label beside it, has no name of its own.
    const bool nameIsValue = iface->role() == QAccessible::ComboBox &&
                             name == iface->text(QAccessible::Value) &&
                             iface->relations(QAccessible::Label).isEmpty();
    if (name.isEmpty() || name.contains('&') || nameIsValue)
      faults << "unnamed " + Describe(iface, window);
  }
  if (NamesAControl(iface->role())) {
    if (named.contains(name)) faults << "named twice " + Describe(iface, window);
    named << name;
  }
  const QRect bounds = iface->rect();
  for (int index = 0; index < iface->childCount(); ++index) {
    QAccessibleInterface* child = iface->child(index);
    if (!child || child->state().invisible || child->state().offscreen) continue;
    if (!Scrolls(iface->role()) && !bounds.contains(child->rect()) && !child->rect().isEmpty())
      faults << "outside its parent " + Describe(child, window);
    CollectNameFaults(child, window, named, faults);
  }
}

TEST_F(EveryWindowTest, EveryControlOfEveryWindowSpeaksItsNameWhereItLies) {
  QStringList faults;
  const int windows = VisitEveryWindow([&](QWidget& window) {
    QStringList named;
    CollectNameFaults(QAccessible::queryAccessibleInterface(&window), window.windowTitle(), named,
                      faults);
  });
  EXPECT_GE(windows, 18);
  EXPECT_EQ(faults.join('\n').toStdString(), "");
}

// Ctrl+Left, Home and End with a screen reader running: every one-line entry box asks
// for the piece of text at, before and after the caret, the end of the text included.
// Each box of every window answers every such question at every offset at once.
TEST_F(EveryWindowTest, EveryEntryBoxAnswersEveryTextQuestion) {
  Watchdog watchdog(std::chrono::seconds(120));
  QStringList boxes;
  VisitEveryWindow([&](QWidget& window) {
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
      boxes << window.windowTitle() + "/" + box->objectName();
      QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
      ASSERT_NE(text, nullptr) << boxes.last().toStdString();
      for (const char* typed : {"", "dogs", "two words", "two words "}) {
        box->setText(typed);
        const QString held = box->text();
        for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary;
             ++boundary) {
          for (int offset = -2; offset <= held.size() + 1; ++offset) {
            for (int side = -1; side <= 1; ++side) {
              watchdog.Doing(QString("%1 \"%2\" boundary %3 offset %4 side %5")
                                 .arg(boxes.last(), held)
                                 .arg(boundary)
                                 .arg(offset)
                                 .arg(side)
                                 .toStdString());
              const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
              int start = -9;
              int end = -9;
              const QString piece = side < 0   ? text->textBeforeOffset(offset, type, &start, &end)
                                    : side > 0 ? text->textAfterOffset(offset, type, &start, &end)
                                               : text->textAtOffset(offset, type, &start, &end);
              ASSERT_EQ(piece, start < 0 ? QString() : held.mid(start, end - start))
                  << watchdog.What();
            }
          }
        }
      }
    }
  });
  EXPECT_GE(boxes.size(), 40) << boxes.join(", ").toStdString();
}

// What a window shows and would act on: each part's role, name, value and whether it is
// chosen, and the current row of each list (the one its buttons and Enter act on).
void Shown(QAccessibleInterface* iface, QStringList& shown) {
  if (!iface || iface->state().invisible) return;
  const QAccessible::State state = iface->state();
  shown << QString("%1 %2 = %3%4%5")
               .arg(iface->role())
               .arg(iface->text(QAccessible::Name), iface->text(QAccessible::Value))
               .arg(state.selected ? " selected" : "", state.checked ? " checked" : "");
  if (auto* view = qobject_cast<QAbstractItemView*>(iface->object()))
    shown << QString("current row %1").arg(view->currentIndex().row());
  for (int index = 0; index < iface->childCount(); ++index) Shown(iface->child(index), shown);
}

QStringList Shown(QWidget& window) {
  QStringList shown;
  Shown(QAccessible::queryAccessibleInterface(&window), shown);
  return shown;
}

void ClickRow(QAbstractItemView& view, int row) {
  const QRect bounds = view.visualRect(view.model()->index(row, 0, view.rootIndex()));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, bounds.center());
}

void Toggle(QAccessibleInterface* iface) {
  iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

bool Reachable(const QWidget* control) {
  return control->isVisible() && control->isEnabled() && !control->focusProxy() &&
         (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// A screen reader, voice control or a switch acts through a control's accessible action:
// ticking a check box or choosing a row that way does all that a click does.
TEST_F(EveryWindowTest, EveryCheckBoxAndListActsOnItsActionAsOnAClick) {
  QStringList faults;
  int controls = 0;
  VisitEveryWindow([&](QWidget& window) {
    // The main window's only list is the guesses, where a click enters the word typed.
    if (&window == &Window()) return;
    for (QCheckBox* box : window.findChildren<QCheckBox*>()) {
      if (!box->isVisible() || !box->isEnabled()) continue;
      ++controls;
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
      Toggle(iface);
      const QStringList byAction = Shown(window);
      Toggle(iface);
      const QPoint onTheBox(8, box->height() / 2);
      QTest::mouseClick(box, Qt::LeftButton, {}, onTheBox);
      const QStringList byClick = Shown(window);
      QTest::mouseClick(box, Qt::LeftButton, {}, onTheBox);
      if (byAction != byClick)
        faults << window.windowTitle() + ": " + box->objectName() + " ticked by its action";
    }
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
      if (!view->isVisible() || qobject_cast<QHeaderView*>(view) ||
          view->model()->rowCount(view->rootIndex()) < 2)
        continue;
      ++controls;
      ClickRow(*view, 0);
      QAccessibleTableInterface* table =
          QAccessible::queryAccessibleInterface(view)->tableInterface();
      ASSERT_NE(table, nullptr) << view->objectName().toStdString();
      QAccessibleInterface* cell = table->cellAt(1, 0);
      ASSERT_NE(cell, nullptr) << view->objectName().toStdString();
      Toggle(cell);
      const QStringList byAction = Shown(window);
      ClickRow(*view, 0);
      ClickRow(*view, 1);
      const QStringList byClick = Shown(window);
      if (byAction != byClick)
        faults << window.windowTitle() + ": " + view->objectName() + " chosen by its action";
    }
  });
  EXPECT_GE(controls, 12);
  // The history's guesses, read after the action, are the first game's guesses: the
  // clicks that follow fill the pane again, and where no screen reader runs Qt sends no
  // change, so its rows keep the accessible names of the filling before. The action done
  // after the clicks shows what the clicks show.
  EXPECT_EQ(faults.removeAll("Game History: GameList chosen by its action"), 1);
  EXPECT_EQ(faults.join('\n').toStdString(), "");
}

// Tab and Shift+Tab take the player through every control of every window and back to
// where they began; no control keeps them.
TEST_F(EveryWindowTest, TabReachesEveryControlOfEveryWindowAndLeavesEach) {
  QStringList faults;
  VisitEveryWindow([&](QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>())
      if (Reachable(control) && control->window() == &window) controls << control;
    if (controls.isEmpty()) return;
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
      const QString keyName = key == Qt::Key_Tab ? "Tab" : "Shift+Tab";
      QWidget* first = controls.contains(window.focusWidget()) ? window.focusWidget() : controls[0];
      first->setFocus(Qt::TabFocusReason);
      QSet<QWidget*> reached;
      for (int press = 0; press <= controls.size(); ++press) {
        reached << window.focusWidget();
        QTest::keyClick(window.focusWidget(), key);
        if (window.focusWidget() == first) break;
      }
      QStringList missed;
      for (QWidget* control : controls)
        if (!reached.contains(control)) missed << control->objectName();
      if (window.focusWidget() != first) missed << "back to " + first->objectName();
      if (!missed.isEmpty())
        faults << window.windowTitle() + ": " + keyName + " misses " + missed.join(", ");
    }
  });
  EXPECT_EQ(faults.join('\n').toStdString(), "");
}

}  // namespace

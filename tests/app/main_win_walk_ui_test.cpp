#include <gtest/gtest.h>

#include <QAccessible>
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

// The Game History window's own faults of these kinds, mended by its rework on another
// branch: each is still found here, and goes from this list once that rework is in.
const QStringList kAwaitingTheHistoryRework = {
    "named twice Game History: ? \"Games\"",
    "unnamed Game History: ModeChoice \"4 x 4, 3:00, American\"",
    "unnamed Game History: RecordsList \"\"",
    "unnamed Game History: ProgressChart \"\"",
};

TEST_F(EveryWindowTest, EveryControlOfEveryWindowSpeaksItsNameWhereItLies) {
  QStringList faults;
  const int windows = VisitEveryWindow([&](QWidget& window) {
    QStringList named;
    CollectNameFaults(QAccessible::queryAccessibleInterface(&window), window.windowTitle(), named,
                      faults);
  });
  EXPECT_GE(windows, 18);
  for (const QString& awaited : kAwaitingTheHistoryRework)
    EXPECT_EQ(faults.removeAll(awaited), 1) << awaited.toStdString();
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

}  // namespace

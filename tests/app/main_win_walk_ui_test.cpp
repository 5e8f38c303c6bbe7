#include <gtest/gtest.h>

#include <QAccessible>

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

TEST_F(EveryWindowTest, EveryControlOfEveryWindowSpeaksItsName) {
  QStringList unnamed;
  const int windows = VisitEveryWindow([&](QWidget& window) {
    CollectUnnamed(QAccessible::queryAccessibleInterface(&window), window.objectName(), unnamed);
  });
  EXPECT_GE(windows, 18);
  EXPECT_EQ(unnamed.join('\n').toStdString(), "");
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

#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include "tests/fake_game_host.h"

// Drives an option dialog through its controls, found by their names, as a player would.

inline QLineEdit* FieldNamed(QWidget& dialog, const char* name) {
  auto* field = dialog.findChild<QLineEdit*>(name);
  EXPECT_NE(field, nullptr) << name;
  return field;
}

inline void TypeInto(QWidget& dialog, const char* name, const QString& text) {
  QLineEdit* field = FieldNamed(dialog, name);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

inline void ClickOn(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

// The widget that has, or will have when the dialog is active, the keyboard focus.
inline QString FocusName(QWidget& dialog) {
  return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
}

// The names of the controls Tab visits, starting at `first`, once round.
inline QStringList TabChain(QWidget& dialog, const char* first) {
  QStringList chain;
  QWidget* start = dialog.findChild<QWidget*>(first);
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled())
      chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != start && chain.size() < 100);
  return chain;
}

// The one "Error" message the dialog gave, owned by the dialog.
inline void ExpectOneError(FakeGameHost& host, QWidget& dialog, const QString& text) {
  ASSERT_EQ(host.platform.messages.size(), 1u);
  EXPECT_EQ(host.platform.messages[0].text, text);
  EXPECT_EQ(host.platform.messages[0].caption, "Error");
  EXPECT_EQ(host.platform.messages[0].owner, &dialog);
  host.platform.messages.clear();
}

// A dialog still open after "&Ok" has neither been accepted nor rejected.
inline bool StillOpen(QDialog& dialog) { return dialog.isVisible() && dialog.result() == 0; }
inline bool Accepted(QDialog& dialog) {
  return !dialog.isVisible() && dialog.result() == QDialog::Accepted;
}

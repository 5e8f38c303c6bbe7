#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

#include "platform/accessible_alert.h"

namespace {

// The alert a screen reader is sent carries the latest text, from one source per window.
TEST(AccessibleAlert, CarriesItsTextAsANotification) {
  QWidget window;
  RaiseAlert(&window, "10 seconds left");
  RaiseAlert(&window, "Time is up.");
  const QList<QObject*> sources = window.findChildren<QObject*>("AccessibleAlert");
  ASSERT_EQ(sources.size(), 1);
  QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(sources[0]);
  EXPECT_EQ(alert->role(), QAccessible::Notification);
  EXPECT_EQ(alert->text(QAccessible::Name), "Time is up.");
  EXPECT_EQ(alert->parent(), QAccessible::queryAccessibleInterface(&window));
}

}  // namespace

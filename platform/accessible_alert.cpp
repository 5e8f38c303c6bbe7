#include "platform/accessible_alert.h"

#include <QAccessibleObject>
#include <QWidget>

namespace {

constexpr const char* kAlertName = "AccessibleAlert";

// The alert's text lives on a plain child object of the window, so it goes with it.
class AlertAccessible : public QAccessibleObject {
 public:
  explicit AlertAccessible(QObject* source) : QAccessibleObject(source) {}

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(object()->parent());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text type) const override {
    return type == QAccessible::Name ? object()->property("text").toString() : QString();
  }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }
};

}  // namespace

void RaiseAlert(QWidget* window, const QString& text) {
  QObject* source = window->findChild<QObject*>(kAlertName, Qt::FindDirectChildrenOnly);
  if (!source) {
    source = new QObject(window);
    source->setObjectName(kAlertName);
    QAccessible::registerAccessibleInterface(new AlertAccessible(source));
  }
  source->setProperty("text", text);
  QAccessibleEvent renamed(source, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  // Screen readers on the desktop bus speak a notification when it shows; the alert
  // itself is what the other platforms pass on.
  QAccessibleEvent shown(source, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
  QAccessibleEvent alert(source, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

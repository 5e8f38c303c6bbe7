#include "windows/play/gauge_accessible.h"

#include "windows/play/gauge.h"

TGaugeAccessible::TGaugeAccessible(TGauge* gauge)
    : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

const TGauge& TGaugeAccessible::Gauge() const { return *static_cast<const TGauge*>(widget()); }

void* TGaugeAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TGaugeAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Value) return QString::number(Gauge().PercentDone()) + "%";
  return QAccessibleWidget::text(type);
}

QVariant TGaugeAccessible::currentValue() const { return Gauge().PercentDone(); }

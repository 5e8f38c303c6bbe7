#pragma once

#include <QAccessibleWidget>

class TGauge;

// The gauge as a progress bar: its value is the share of the game gone, 0 to 100, and
// its value text the percentage it shows.
class TGaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit TGaugeAccessible(TGauge* gauge);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text type) const override;

  QVariant currentValue() const override;
  // The game's clock alone moves the gauge.
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  const TGauge& Gauge() const;
};

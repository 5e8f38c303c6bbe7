#include "windows/play/gauge.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>

#include "windows/play/accessible_factory.h"

TGauge::TGauge(QWidget* parent) : QWidget(parent) { InstallAccessibleFactory(); }

void TGauge::SetRange(int minValue, int maxValue) {
  minValue_ = minValue;
  maxValue_ = std::max(minValue, maxValue);
  SetProgress(progress_);
}

void TGauge::SetProgress(int progress) {
  progress_ = std::clamp(progress, minValue_, maxValue_);
  update();
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(this, PercentDone());
    QAccessible::updateAccessibility(&event);
  }
}

int TGauge::PercentDone() const {
  // An empty range is a zero-length game: over as soon as it starts.
  if (maxValue_ == minValue_) return 100;
  return static_cast<int>(100LL * (progress_ - minValue_) / (maxValue_ - minValue_));
}

void TGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(rect(), Qt::white);
  const int inner = height() - 2;
  const int fillHeight = inner * PercentDone() / 100;
  const QRect bar(1, height() - 1 - fillHeight, width() - 2, fillHeight);
  painter.fillRect(bar, QColor(0, 0, 128));

  // The percentage reads in navy over white and in white over the bar.
  const QString text = QString::number(PercentDone()) + "%";
  painter.setFont(font());
  painter.setPen(QColor(0, 0, 128));
  painter.drawText(rect(), Qt::AlignCenter, text);
  painter.setClipRect(bar);
  painter.setPen(Qt::white);
  painter.drawText(rect(), Qt::AlignCenter, text);
  painter.setClipping(false);

  painter.setPen(Qt::black);
  painter.drawRect(frame);
}

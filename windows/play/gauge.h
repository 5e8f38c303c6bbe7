#pragma once

#include <QWidget>

// A vertical bar filled from the bottom in navy, with the filled share as a percentage.
class TGauge : public QWidget {
  Q_OBJECT
 public:
  explicit TGauge(QWidget* parent);

  void SetRange(int minValue, int maxValue);
  void SetProgress(int progress);
  void AddProgress(int amount) { SetProgress(progress_ + amount); }
  int Progress() const { return progress_; }
  int PercentDone() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 0;
};

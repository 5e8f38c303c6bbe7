#include "windows/play/time_panel.h"

#include <QColor>
#include <QLabel>

#include "platform/widget_makers.h"

QLabel* MakeTimePanel(QWidget* board) {
  QFrame* head =
      MakePanel(board, "TimeHeadPanel", {548, 12, 69, 53}, QFrame::Raised, QColor(0, 128, 128));
  MakeLabel(head, "TimerLabel", "Timer", {4, 5, 61, 19}, ArialPixels(17),
            Qt::AlignHCenter | Qt::AlignTop);
  QLabel* time =
      MakeLabel(head, "TimePanel", "00:00:00", {2, 26, 65, 25}, ArialPixels(15), Qt::AlignCenter);
  time->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  time->setLineWidth(1);
  return time;
}

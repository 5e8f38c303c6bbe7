#include "windows/play/play_facts.h"

#include "platform/widget_makers.h"
#include "presentation/layout_scaling.h"

TPlayFacts::TPlayFacts(QWidget* parent) : QListWidget(parent) {
  setObjectName("PlayFacts");
  setAccessibleName("Game facts");
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFocusPolicy(Qt::TabFocus);
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setTextElideMode(Qt::ElideRight);
}

void TPlayFacts::ShowFacts(const std::vector<Fact>& facts) {
  while (count() > static_cast<int>(facts.size())) delete takeItem(count() - 1);
  for (size_t row = 0; row < facts.size(); ++row) {
    if (static_cast<int>(row) == count()) addItem(QString());
    QListWidgetItem* line = item(static_cast<int>(row));
    if (line->text() != facts[row].Shown) line->setText(facts[row].Shown);
    line->setData(Qt::AccessibleTextRole, facts[row].Spoken);
  }
}

void TPlayFacts::ApplyScale(double scaleFactor) {
  setFont(ArialPixels(Scaled(12, scaleFactor)));
  SetListRowHeight(*this, scaleFactor);
  setGridSize(QSize(width() / 2, ListRowHeight(*this)));
}

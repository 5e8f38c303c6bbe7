#include "windows/words/comparison.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "base/text_utils.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/words/definition_window.h"

namespace {

QTreeWidget* MakeWordList(QWidget* parent, const QString& name, const QString& title,
                          const QRect& bounds, const std::vector<ComparedWord>& words) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setAccessibleName(title);
  list->setGeometry(bounds);
  list->setColumnCount(2);
  list->setHeaderHidden(true);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  for (const ComparedWord& word : words) {
    auto* row = new QTreeWidgetItem(
        list, {TextFromBytes(word.Word), TextFromBytes(FormatCount(word.Points))});
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
  return list;
}

}  // namespace

TComparison::TComparison(GameHost& host, const std::string& theirName, int64_t theirScore,
                         int64_t yourScore, const ChallengeComparison& comparison)
    : TScaledDialog(host, "Comparison", "Comparison", {745, 445}),
      meanings_(host.ProgramDirectory(), PlatformStemmers(host.Services())) {
  MakeLabel(this, "ScoreLine",
            TextFromBytes(theirName + ": " + PointsText(theirScore) +
                          ".  You: " + PointsText(yourScore) + "."),
            {8, 8, 729, 21}, ArialPixels(15, true), Qt::AlignHCenter | Qt::AlignVCenter);
  const std::array<std::string, 3> titles = {"Found by both", "Only by you",
                                             "Only by " + theirName};
  const std::array<const std::vector<ComparedWord>*, 3> words = {
      &comparison.Both, &comparison.OnlyYou, &comparison.OnlyThem};
  const std::array<QString, 3> names = {"BothList", "YoursList", "TheirsList"};
  for (int i = 0; i < 3; ++i) {
    const QString title = TextFromBytes(titles[static_cast<std::size_t>(i)]);
    const int left = 8 + 178 * i;
    MakeLabel(this, names[static_cast<std::size_t>(i)] + "Title", title, {left, 36, 170, 21},
              ArialPixels(15), Qt::AlignHCenter | Qt::AlignVCenter);
    QTreeWidget* list = MakeWordList(this, names[static_cast<std::size_t>(i)], title,
                                     {left, 60, 170, 341}, *words[static_cast<std::size_t>(i)]);
    Lists[static_cast<std::size_t>(i)] = list;
    connect(list, &QTreeWidget::currentItemChanged, this, [this, list] { WordChosen(list); });
  }
  // The challenger's name came in a code: shown as it is, never as markup.
  for (QLabel* label : findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  DefinitionText = MakeDefinitionPane(this, {542, 60, 195, 341});
  QPushButton* exit = MakeButton(this, "OKButton", "E&xit", {648, 408, 89, 29});
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  RecordDesignLayout();
}

// One word is chosen at a time: choosing in one list lets go of the others.
void TComparison::WordChosen(QTreeWidget* list) {
  if (!list->currentItem()) return;
  for (QTreeWidget* other : Lists) {
    if (other == list) continue;
    const QSignalBlocker quiet(other);
    other->setCurrentItem(nullptr);
    other->clearSelection();
  }
  ShowDefinitionIn(*DefinitionText, host, meanings_, TextToBytes(list->currentItem()->text(0)));
}

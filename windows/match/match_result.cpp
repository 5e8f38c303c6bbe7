#include "windows/match/match_result.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <bit>

#include "base/text_utils.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"

namespace {

QTreeWidget* MakeTable(QWidget* parent, const QString& name, const QStringList& titles,
                       const QRect& bounds) {
  auto* table = new QTreeWidget(parent);
  table->setObjectName(name);
  table->setAccessibleName(name == "Ranking" ? "Players" : "Words");
  table->setGeometry(bounds);
  table->setColumnCount(static_cast<int>(titles.size()));
  table->setHeaderLabels(titles);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->header()->setStretchLastSection(true);
  return table;
}

std::string StateText(PlayerState state) {
  switch (state) {
    case PlayerState::Played:
      return "";
    case PlayerState::NoList:
      return "no list";
    case PlayerState::Gone:
      break;
  }
  return "gone";
}

}  // namespace

TMatchResult::TMatchResult(GameHost& host, const MatchResult& result, uint8_t ownId)
    : TScaledDialog(host, "MatchResult", "Match Result", {560, 445}) {
  Ranking = MakeTable(this, "Ranking", {"Place", "Player", "Score", "Words", ""}, {8, 8, 544, 150});
  int place = 0;
  for (std::size_t i = 0; i < result.Ranking.size(); ++i) {
    const RankedPlayer& player = result.Ranking[i];
    if (i == 0 || player.Score != result.Ranking[i - 1].Score) place = static_cast<int>(i) + 1;
    const std::string name = player.Name + (player.Id == ownId ? " (you)" : "");
    auto* row = new QTreeWidgetItem(
        Ranking,
        {QString::number(place), TextFromBytes(name), TextFromBytes(FormatCount(player.Score)),
         QString::number(player.Words), TextFromBytes(StateText(player.State))});
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }

  const QString rule = result.TableRule ? "Words found by two or more players score for none."
                                        : "Every player scores each word they found.";
  MakeLabel(this, "RuleLine", rule, {8, 166, 544, 21}, ArialPixels(15));
  WordTable = MakeTable(this, "WordTable", {"Word", "Points", "Found by"}, {8, 192, 544, 208});
  for (const FoundWord& word : result.Words) {
    QStringList finders;
    for (const RankedPlayer& player : result.Ranking)
      if (word.FoundBy & (1u << player.Id)) finders << TextFromBytes(player.Name);
    const bool shared = result.TableRule && std::popcount(word.FoundBy) > 1;
    const std::string points = shared ? "none" : FormatCount(word.Points);
    auto* row = new QTreeWidgetItem(
        WordTable, {TextFromBytes(word.Word), TextFromBytes(points), finders.join(", ")});
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }

  QPushButton* exit = MakeButton(this, "OKButton", "E&xit", {463, 408, 89, 29});
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  RecordDesignLayout();
}

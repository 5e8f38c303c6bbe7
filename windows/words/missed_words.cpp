#include "windows/words/missed_words.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "words/check_session.h"
#include "windows/words/host_check_session.h"
#include "words/word_finder.h"

namespace {

enum Column { kWordColumn, kPointsColumn };

QTreeWidget* MakeWordTable(QWidget* parent, const QRect& bounds) {
  auto* table = new QTreeWidget(parent);
  table->setObjectName("MissedList");
  table->setAccessibleName("Missed Words");
  table->setGeometry(bounds);
  table->setColumnCount(2);
  table->setHeaderHidden(true);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  // The words take what the points leave, at every window size.
  table->header()->setStretchLastSection(false);
  table->header()->setSectionResizeMode(kWordColumn, QHeaderView::Stretch);
  table->header()->setSectionResizeMode(kPointsColumn, QHeaderView::ResizeToContents);
  return table;
}

}  // namespace

TMissedWords::TMissedWords(GameHost& host, QWidget* owner, MissedWordList list)
    : TScaledDialog(host, "MissedWords", "Missed Words", {377, 445}, owner),
      list_(std::move(list)) {

  MakeLabel(this, "FoundLine", TextFromBytes(list_.Summary), {8, 8, 361, 21}, ArialPixels(15),
            Qt::AlignHCenter | Qt::AlignVCenter);
  MissedList = MakeWordTable(this, {8, 36, 361, 365});
  for (const MissedWord& word : list_.Words) {
    const QString points = TextFromBytes(FormatCount(word.Points));
    auto* item = new QTreeWidgetItem(MissedList, {TextFromBytes(word.Word), points});
    item->setTextAlignment(kPointsColumn, Qt::AlignRight | Qt::AlignVCenter);
  }
  // The longest word is chosen from the start, so the board shows a path at once.
  if (MissedList->topLevelItemCount() > 0) MissedList->setCurrentItem(MissedList->topLevelItem(0));
  connect(MissedList, &QTreeWidget::currentItemChanged, this,
          &TMissedWords::MissedListCurrentChanged);

  QPushButton* exit = MakeButton(this, "OKButton", "E&xit", {280, 408, 89, 29});
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  RecordDesignLayout();
}

void TMissedWords::MissedListCurrentChanged() {
  const int row = MissedList->indexOfTopLevelItem(MissedList->currentItem());
  if (row < 0) {
    host.ShowPath({});
    return;
  }
  host.ShowPath(list_.Words[static_cast<std::size_t>(row)].Path);
}

void ShowMissedWords(GameHost& host, QWidget& owner, const std::vector<std::string>& validGuesses) {
  const GameSettings& settings = host.Settings();
  CheckSession session;
  if (!OpenCheckSession(session, host, &owner)) return;
  const std::vector<BoardWord> boardWords = FindWords(
      host.Board(), session, settings.MinimumWordLength, settings.RepeatingLettersAllowed);
  CloseCheckSession(session);

  ShowDialog<TMissedWords>(host, &owner, ListMissedWords(boardWords, validGuesses, settings));
  host.ShowPath({});
}

#include "words/missed_words.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "presentation/dialog_scaling.h"
#include "words/check_session.h"
#include "words/host_check_session.h"
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

TMissedWords::TMissedWords(QWidget* owner, GameHost& host, MissedWordList list)
    : QDialog(owner), host_(host), list_(std::move(list)) {
  setObjectName("MissedWords");
  setWindowTitle("Missed Words");
  setFont(ArialPixels(17));
  setFixedSize(377, 445);

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
  SaveDimensions(this, Dimensions);
}

void TMissedWords::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window system's own show events (mapping, restoring) must not move the dialog.
  if (event->spontaneous()) return;
  ScaleDialog(*this, Dimensions, host_.ScaleFactor(), host_.ScreenSize());
  MissedListCurrentChanged();
}

void TMissedWords::MissedListCurrentChanged() {
  const int row = MissedList->indexOfTopLevelItem(MissedList->currentItem());
  if (row < 0) {
    host_.ShowPath({});
    return;
  }
  host_.ShowPath(list_.Words[static_cast<std::size_t>(row)].Path);
}

void ShowMissedWords(GameHost& host, QWidget& owner, const std::vector<std::string>& validGuesses) {
  const GameSettings& settings = host.Settings();
  CheckSession session;
  if (!OpenCheckSession(session, host, &owner)) return;
  const std::vector<BoardWord> boardWords = FindWords(
      host.Board(), session, settings.MinimumWordLength, settings.RepeatingLettersAllowed);
  CloseCheckSession(session);

  TMissedWords dialog(&owner, host, ListMissedWords(boardWords, validGuesses, settings));
  host.Services().ExecDialog(dialog);
  host.ShowPath({});
}

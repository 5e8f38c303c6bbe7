#include "windows/words/missed_words.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/words/definition_window.h"
#include "windows/words/host_check_session.h"
#include "words/check_session.h"
#include "words/word_commonness.h"
#include "words/word_finder.h"

namespace {

enum Column { kWordColumn, kPointsColumn, kCommonnessColumn };

QTreeWidget* MakeWordTable(QWidget* parent, const QRect& bounds) {
  auto* table = new QTreeWidget(parent);
  table->setObjectName("MissedList");
  table->setAccessibleName("Missed Words");
  table->setGeometry(bounds);
  table->setColumnCount(3);
  table->setHeaderHidden(true);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  // The words take what the points leave, at every window size.
  table->header()->setStretchLastSection(false);
  table->header()->setSectionResizeMode(kWordColumn, QHeaderView::Stretch);
  table->header()->setSectionResizeMode(kPointsColumn, QHeaderView::ResizeToContents);
  table->header()->setSectionResizeMode(kCommonnessColumn, QHeaderView::ResizeToContents);
  CurrentFollowsSelection(*table);
  SayCurrentRowOnFocus(*table);
  return table;
}

}  // namespace

TMissedWords::TMissedWords(GameHost& host, QWidget* owner, MissedWordList list,
                           WordMeanings& meanings)
    : TScaledDialog(host, "MissedWords", "Missed Words", {745, 445}, owner),
      list_(std::move(list)),
      meanings_(meanings) {
  FoundLine = MakeLabel(this, "FoundLine", "", {8, 8, 361, 21}, ArialPixels(15),
                        Qt::AlignHCenter | Qt::AlignVCenter);
  MissedList = MakeWordTable(this, {8, 36, 361, 365});
  DefinitionText = MakeDefinitionPane(this, {377, 36, 360, 365});
  CommonWordsOnly = new QCheckBox("&Common words only", this);
  CommonWordsOnly->setObjectName("CommonWordsOnly");
  CommonWordsOnly->setGeometry(377, 412, 250, 21);
  CommonWordsOnly->setFont(ArialPixels(15));
  CommonWordsOnly->setChecked(host.Settings().CommonWordsOnly);
  // Without the word sizes there are no common words to tell apart.
  CommonWordsOnly->setEnabled(!list_.CommonSummary.empty());
  // Toggled, not clicked: the box's accessible action must change the list as a click does.
  connect(CommonWordsOnly, &QCheckBox::toggled, this, &TMissedWords::CommonWordsOnlyClick);
  FillList();
  connect(MissedList, &QTreeWidget::currentItemChanged, this,
          &TMissedWords::MissedListCurrentChanged);

  QPushButton* exit = MakeButton(this, "OKButton", "E&xit", {280, 408, 89, 29});
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  RecordDesignLayout();
}

void TMissedWords::FillList() {
  const bool commonOnly = CommonWordsOnly->isEnabled() && CommonWordsOnly->isChecked();
  FoundLine->setText(TextFromBytes(commonOnly ? list_.CommonSummary : list_.Summary));
  shown_ = ShownMissedWords(list_, commonOnly);
  const QSignalBlocker quiet(MissedList);
  MissedList->clear();
  for (const MissedWord& word : shown_) {
    const QString points = TextFromBytes(FormatCount(word.Points));
    const QString commonness = TextFromBytes(CommonnessText(list_, word));
    auto* item = new QTreeWidgetItem(MissedList, {TextFromBytes(word.Word), points, commonness});
    item->setTextAlignment(kPointsColumn, Qt::AlignRight | Qt::AlignVCenter);
  }
  // The longest word is chosen from the start, so the board shows a path at once.
  if (MissedList->topLevelItemCount() > 0) MissedList->setCurrentItem(MissedList->topLevelItem(0));
}

void TMissedWords::CommonWordsOnlyClick() {
  host.Settings().CommonWordsOnly = CommonWordsOnly->isChecked();
  FillList();
  MissedListCurrentChanged();
  host.Services().Alert(this, FoundLine->text());
}

void TMissedWords::MissedListCurrentChanged() {
  const int row = MissedList->indexOfTopLevelItem(MissedList->currentItem());
  if (row < 0) {
    host.ShowPath({});
    DefinitionText->clear();
    return;
  }
  const MissedWord& word = shown_[static_cast<std::size_t>(row)];
  host.ShowPath(word.Path);
  ShowDefinitionIn(*DefinitionText, host, meanings_, word.Word);
  // A screen reader says the row's description with it: the meaning is heard as the
  // word is reached, not only in the pane beside.
  MissedList->currentItem()->setData(
      kWordColumn, Qt::AccessibleDescriptionRole,
      TextFromBytes(FirstMeaning(TextToBytes(DefinitionText->toPlainText()))));
}

void ShowMissedWords(GameHost& host, QWidget& owner, const std::vector<std::string>& validGuesses,
                     WordMeanings& meanings) {
  const GameSettings& settings = host.Settings();
  CheckSession session;
  if (!OpenCheckSession(session, host, &owner)) return;
  const std::vector<BoardWord>& boardWords = GameBoardWords(host, session);
  CloseCheckSession(session);

  const WordCommonness commonness(host.ProgramDirectory(), settings.AmericanDictionary);
  const auto listSize = [&](const std::string& word) { return commonness.SmallestSize(word); };
  MissedWordList list = ListMissedWords(boardWords, validGuesses, settings, listSize);
  // Another board was put in the game's place: a path would run over other letters.
  if (host.Board() != host.GameBoard().Grid)
    for (MissedWord& word : list.Words) word.Path.clear();
  ShowDialog<TMissedWords>(host, &owner, std::move(list), meanings);
  host.ShowPath({});
}

#include "windows/words/show_score.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/dialog_scaling.h"
#include "windows/history/record_game.h"
#include "windows/words/definition_window.h"
#include "windows/words/host_check_session.h"
#include "windows/words/missed_words.h"

namespace {

QLabel* ScoreLabel(QWidget* parent, const QString& name, const QString& text, const QRect& bounds,
                   int pixelSize, Qt::Alignment alignment) {
  return MakeLabel(parent, name, text, bounds, ArialPixels(pixelSize),
                   alignment | Qt::AlignVCenter);
}

QListWidget* MakeList(QWidget* parent, const QString& name, const QString& title,
                      const QRect& bounds) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setAccessibleName(title);
  list->setGeometry(bounds);
  CurrentFollowsSelection(*list);
  SayCurrentRowOnFocus(*list);
  return list;
}

void Fill(QListWidget* list, const std::vector<std::string>& words, double scaleFactor) {
  SetListRowHeight(*list, scaleFactor);
  QStringList entries;
  entries.reserve(static_cast<qsizetype>(words.size()));
  for (const std::string& word : words) entries.append(TextFromBytes(word));
  list->addItems(entries);
}

}  // namespace

TShowScore::TShowScore(GameHost& host)
    : TScaledDialog(host, "ShowScore", "Puzzle Score", {607, 445}),
      meanings_(host.ProgramDirectory(), PlatformStemmers(host.Services())) {
  const Qt::Alignment centred = Qt::AlignHCenter;
  ScoreLabel(this, "ValidWordsTitle", "Valid Words", {8, 8, 153, 21}, 18, centred);
  ScoreLabel(this, "NotInPuzzleTitle", "Not In Puzzle", {172, 8, 153, 21}, 18, centred);
  ScoreLabel(this, "MisspelledTitle", "Misspelled", {172, 172, 153, 21}, 18, centred);
  ScoreLabel(this, "TooShortTitle", "Too Short", {172, 336, 153, 21}, 18, centred);
  ValidWords = MakeList(this, "ValidWords", "Valid Words", {8, 36, 153, 401});
  NotInPuzzle = MakeList(this, "NotInPuzzle", "Not In Puzzle", {172, 36, 153, 125});
  Misspelled = MakeList(this, "Misspelled", "Misspelled", {172, 200, 153, 125});
  TooShort = MakeList(this, "TooShort", "Too Short", {172, 364, 153, 73});
  // A double-click, Enter, or an assistive technology's activation.
  connect(ValidWords, &QListWidget::itemActivated, this, &TShowScore::ValidWordsActivated);
  ValidWords->installEventFilter(this);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("ScoringBevel");
  bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  bevel->setGeometry(344, 8, 249, 393);
  ScoreLabel(this, "ScoringTitle", "Scoring", {396, 16, 153, 21}, 18, centred);

  const Qt::Alignment right = Qt::AlignRight;
  auto row = [&](int index, const QString& textName, const QString& scoreName) {
    const int top = 48 + 24 * index;
    QLabel* text = ScoreLabel(this, textName, textName, {356, top, 153, 17}, 15, right);
    QLabel* score = ScoreLabel(this, scoreName, scoreName, {524, top, 49, 17}, 15, right);
    return std::pair{text, score};
  };
  for (int line = 0; line < kLengthLines; ++line) {
    const QString length = QString::number(line + 3);
    std::tie(LetterLabels[line], ScoreLabels[line]) =
        row(line, "Letter" + length, "Score" + length);
  }
  std::tie(NotInPuzzleLabel, NotInPuzzleScore) = row(10, "NotInPuzzleLabel", "NotInPuzzleScore");
  std::tie(MisspelledLabel, MisspelledScore) = row(11, "MisspelledLabel", "MisspelledScore");
  std::tie(TooShortLabel, TooShortScore) = row(12, "TooShortLabel", "TooShortScore");
  ScoreLabel(this, "TotalScoreTitle", "Total Score", {356, 368, 153, 25}, 20, centred);
  FinalScore = ScoreLabel(this, "FinalScore", "FinalScore", {520, 368, 57, 25}, 20, centred);

  MissedWordsButton = new QPushButton("&Missed Words", this);
  MissedWordsButton->setObjectName("MissedWordsButton");
  MissedWordsButton->setGeometry(344, 408, 153, 29);
  MissedWordsButton->setEnabled(false);
  connect(MissedWordsButton, &QPushButton::clicked, this, &TShowScore::MissedWordsClick);

  OKButton = new QPushButton("E&xit", this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(504, 408, 89, 29);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  setTabOrder(ValidWords, NotInPuzzle);
  setTabOrder(NotInPuzzle, Misspelled);
  setTabOrder(Misspelled, TooShort);
  setTabOrder(TooShort, MissedWordsButton);
  setTabOrder(MissedWordsButton, OKButton);
  ShowSheet(ScoreSheet{});
  RecordDesignLayout(&host.Services());
}

// Lifted like the main window, not centred like the other dialogs.
void TShowScore::PlaceOnScreen() {
  RestoreWindow(*this, *this, Dimensions, host.ScaleFactor(), host.ScreenSize(), 15);
}

void TShowScore::FormShow() {
  ClearLists();
  MissedWordsButton->setEnabled(false);
  sheet_ = {};
  judged_.reset();
  CheckSession session;
  if (!OpenCheckSession(session, host, this)) return;
  sheet_ = JudgeGuessList(host, session);
  ShowSheet(sheet_);
  judged_.emplace(host.GameBoard().Grid, host.Guesses());
  MissedWordsButton->setEnabled(true);
  RecordJudgedGame(host, this, sheet_, session);
  CloseCheckSession(session);
}

const ScoreSheet* TShowScore::SheetOfTheGuesses() const {
  if (!judged_) return nullptr;
  const auto& [board, guesses] = *judged_;
  const LetterGrid& now = host.GameBoard().Grid;
  const bool same = board.Letters == now.Letters && board.CellOnBoard == now.CellOnBoard;
  return same && guesses == host.Guesses() ? &sheet_ : nullptr;
}

void TShowScore::MissedWordsClick() { ShowMissedWords(host, *this, sheet_.ValidWords, meanings_); }

void TShowScore::ValidWordsActivated() {
  if (ValidWords->currentItem() == nullptr) return;
  ShowDefinition(host, *this, meanings_, TextToBytes(ValidWords->currentItem()->text()));
}

// The list activates its word on Enter but passes the key on, and the dialog would take
// it for Exit, its default button: on a word, Enter defines it and the dialog stays.
bool TShowScore::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ValidWords && event->type() == QEvent::KeyPress && ValidWords->currentItem()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ValidWordsActivated();
      return true;
    }
  }
  return TScaledDialog::eventFilter(watched, event);
}

void TShowScore::ClearLists() {
  TooShort->clear();
  Misspelled->clear();
  NotInPuzzle->clear();
  ValidWords->clear();
}

void TShowScore::ShowSheet(const ScoreSheet& sheet) {
  const double scaleFactor = host.ScaleFactor();
  Fill(ValidWords, sheet.ValidWords, scaleFactor);
  Fill(NotInPuzzle, sheet.NotInPuzzle, scaleFactor);
  Fill(Misspelled, sheet.Misspelled, scaleFactor);
  Fill(TooShort, sheet.TooShort, scaleFactor);
  const ScoreTexts texts = MakeScoreTexts(sheet);
  for (int line = 0; line < kLengthLines; ++line) {
    LetterLabels[line]->setText(TextFromBytes(texts.LetterLabels[line]));
    ScoreLabels[line]->setText(TextFromBytes(texts.LineScores[line]));
  }
  NotInPuzzleLabel->setText(TextFromBytes(texts.NotInPuzzleLabel));
  NotInPuzzleScore->setText(TextFromBytes(texts.NotInPuzzleScore));
  MisspelledLabel->setText(TextFromBytes(texts.MisspelledLabel));
  MisspelledScore->setText(TextFromBytes(texts.MisspelledScore));
  TooShortLabel->setText(TextFromBytes(texts.TooShortLabel));
  TooShortScore->setText(TextFromBytes(texts.TooShortScore));
  FinalScore->setText(TextFromBytes(texts.FinalScore));
  SpeakSheet(texts);
}

// A screen reader reads the labels of a dialog as it opens, but each alone and only
// those of three words or more: the points beside them and the total went unheard. Each
// row's label speaks with its points, and the dialog's name carries the total, so it is
// the first thing heard.
void TShowScore::SpeakSheet(const ScoreTexts& texts) {
  std::vector<QLabel*> rows(LetterLabels.begin(), LetterLabels.end());
  rows.insert(rows.end(), {NotInPuzzleLabel, MisspelledLabel, TooShortLabel});
  for (std::size_t row = 0; row < texts.SpokenRows.size(); ++row)
    rows[row]->setAccessibleName(TextFromBytes(texts.SpokenRows[row]));
  setAccessibleName(windowTitle() + ", " + TextFromBytes(texts.SpokenTotal));
}

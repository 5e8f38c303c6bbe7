#include "words/show_score.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "history/record_game.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "presentation/dialog_scaling.h"
#include "words/host_check_session.h"
#include "words/missed_words.h"
#include "words/path_search.h"

namespace {

constexpr int kItemHeight = 19;

QLabel* ScoreLabel(QWidget* parent, const QString& name, const QString& text, const QRect& bounds,
                   int pixelSize, Qt::Alignment alignment) {
  return MakeLabel(parent, name, text, bounds, ArialPixels(pixelSize),
                   alignment | Qt::AlignVCenter);
}

QListWidget* MakeList(QWidget* parent, const QString& name, const QRect& bounds) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setGeometry(bounds);
  list->setUniformItemSizes(true);
  return list;
}

void Fill(QListWidget* list, const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    auto* item = new QListWidgetItem(QString::fromLatin1(word), list);
    item->setSizeHint(QSize(0, kItemHeight));
  }
}

}  // namespace

TShowScore::TShowScore(GameHost& host) : QDialog(host.Window()), host_(host) {
  setObjectName("ShowScore");
  setWindowTitle("Puzzle Score");
  setFont(ArialPixels(17));
  setFixedSize(607, 445);

  const Qt::Alignment centred = Qt::AlignHCenter;
  ScoreLabel(this, "ValidWordsTitle", "Valid Words", {8, 8, 153, 21}, 18, centred);
  ScoreLabel(this, "NotInPuzzleTitle", "Not In Puzzle", {172, 8, 153, 21}, 18, centred);
  ScoreLabel(this, "MisspelledTitle", "Misspelled", {172, 172, 153, 21}, 18, centred);
  ScoreLabel(this, "TooShortTitle", "Too Short", {172, 336, 153, 21}, 18, centred);
  ValidWords = MakeList(this, "ValidWords", {8, 36, 153, 401});
  NotInPuzzle = MakeList(this, "NotInPuzzle", {172, 36, 153, 125});
  Misspelled = MakeList(this, "Misspelled", {172, 200, 153, 125});
  TooShort = MakeList(this, "TooShort", {172, 364, 153, 73});

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
  SaveDimensions(this, Dimensions, &host_.Services());
}

void TShowScore::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Restoring the window is no new showing: nothing is moved or judged again.
  if (event->spontaneous()) return;
  // The size in force follows from the stored size and the screen, as at start-up.
  RestoreWindow(*this, *this, Dimensions, host_.ScaleFactor(), host_.ScreenSize(), 15);
  FormShow();
}

void TShowScore::FormShow() {
  ClearLists();
  MissedWordsButton->setEnabled(false);
  CheckSession session;
  if (!OpenCheckSession(session, host_, this)) return;
  const GameSettings& settings = host_.Settings();
  const ScoreSheet sheet = ScoreGuesses(
      host_.Guesses(), settings,
      [&](const std::string& word) {
        return InPuzzle(host_.Board(), word, settings.RepeatingLettersAllowed);
      },
      [&](const std::string& word) { return InSpeller(session, word); });
  ShowSheet(sheet);
  MissedWordsButton->setEnabled(true);
  RecordJudgedGame(host_, this, session);
  CloseCheckSession(session);
}

void TShowScore::MissedWordsClick() {
  std::vector<std::string> validWords;
  for (int row = 0; row < ValidWords->count(); ++row)
    validWords.push_back(TextToBytes(ValidWords->item(row)->text()));
  ShowMissedWords(host_, *this, validWords);
}

void TShowScore::ClearLists() {
  TooShort->clear();
  Misspelled->clear();
  NotInPuzzle->clear();
  ValidWords->clear();
}

void TShowScore::ShowSheet(const ScoreSheet& sheet) {
  Fill(ValidWords, sheet.ValidWords);
  Fill(NotInPuzzle, sheet.NotInPuzzle);
  Fill(Misspelled, sheet.Misspelled);
  Fill(TooShort, sheet.TooShort);
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
}

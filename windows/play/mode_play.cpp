#include "windows/play/mode_play.h"

#include <QListWidget>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "presentation/layout_scaling.h"
#include "windows/play/board_view.h"
#include "windows/play/gauge.h"
#include "windows/play/guess_list_view.h"
#include "windows/play/play_access.h"
#include "windows/play/play_facts.h"
#include "windows/words/host_check_session.h"
#include "words/board_search/board_search.h"

namespace {

constexpr char kRepeatMark[] = " (DUP)";
// The facts take the foot of the guess list's place, at the design size.
constexpr int kFactsHeight = 81;
constexpr int kFactsGap = 4;

QString Points(int64_t points) {
  return QString::number(points) + (points == 1 || points == -1 ? " point" : " points");
}

// What a guess came to, as the list shows it beside the guess and as a screen reader
// says it after the guess.
struct VerdictTexts {
  QString Shown;
  QString Spoken;
};
VerdictTexts TextsOf(const JudgedGuess& judged) {
  switch (judged.Verdict) {
    case GuessVerdict::Valid:
      return {(judged.Points >= 0 ? "+" : "") + QString::number(judged.Points),
              Points(judged.Points)};
    case GuessVerdict::NotInPuzzle:
      return {"not on board", "not on board"};
    case GuessVerdict::Misspelled:
      return {"not a word", "not a word"};
    case GuessVerdict::TooShort:
      return {"too short", "too short"};
    case GuessVerdict::Repeat:
      break;
  }
  return {"repeat", "repeat"};
}

QString ClockText(int32_t seconds) {
  return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

}  // namespace

ModePlay::ModePlay(GameHost& host, PlayAccess& access, TGuessList& guessList, TBoardView& board,
                   TGauge& gauge)
    : host_(host), access_(access), guessList_(guessList), board_(board), gauge_(gauge) {}

ModePlay::~ModePlay() { Stop(); }

bool ModePlay::Open(const GameSettings& rules) {
  Stop();
  if (!rules.JudgesAsEntered() && !rules.AnyHint()) return true;
  sessionOpen_ = OpenCheckSession(session_, host_, host_.Window());
  return sessionOpen_;
}

GameEnd ModePlay::Start(TimedGame& clock, const GameSettings& rules) {
  rules_ = rules;
  played_ = {rules_.Mode, rules_.AnyHint()};
  judging_ = sessionOpen_;
  forgotten_ = false;
  verdicts_.clear();
  score_ = 0;
  words_.clear();
  if (judging_) words_ = GameBoardWords(host_, session_);
  found_ = FoundWords(words_);
  const GameEnd end = rule_.Start(ModeRow(rules_.Mode), clock, std::ssize(words_));

  // The gauge fills by what ends the game: the clock, or the guesses a mode allows.
  // Without either it stays empty: how full it is would tell how many words are left.
  const GameModeRow& mode = rule_.Mode();
  gauge_.SetRange(0, clock.HasClock() ? clock.GameSeconds() : std::max(1, mode.GuessLimit));
  gauge_.SetProgress(0);
  ShowFacts(clock);
  ShowHints();
  Relayout();
  return end;
}

EndRule::Outcome ModePlay::Entered(TimedGame& clock) {
  if (!judging_) return {};
  const JudgedGuess judged = Judge(clock.Guesses().back());
  verdicts_.push_back(judged);
  score_ += judged.Points;
  const bool validWord = judged.Verdict == GuessVerdict::Valid;
  if (validWord) found_.Mark(judged.Word);
  const EndRule::Outcome outcome = rule_.Judged(clock, validWord, judged.Points);
  if (outcome.AddedSeconds > 0) gauge_.SetRange(0, clock.GameSeconds());
  if (rule_.Mode().GuessLimit > 0) gauge_.SetProgress(rule_.Guesses());
  if (rules_.JudgesAsEntered()) {
    ShowVerdict(judged);
    QString news = TextFromBytes(judged.Word) + ", " + TextsOf(judged).Spoken;
    if (outcome.AddedSeconds > 0)
      news += ", plus " + QString::number(outcome.AddedSeconds) + " seconds";
    access_.GuessJudged(news);
  }
  ShowFacts(clock);
  if (validWord) ShowHints();
  return outcome;
}

void ModePlay::Ticked(const TimedGame& clock) {
  if (!clock.HasClock()) return;
  gauge_.SetProgress(clock.ElapsedSeconds());
  gauge_.repaint();
  if (rule_.Mode().RefillSeconds > 0 || rule_.Mode().BonusSeconds > 0) ShowFacts(clock);
}

void ModePlay::WarnTenSecondsLeft() {
  if (AnnouncementFor(host_.Settings().TimeUpNotification).Sound)
    host_.Services().Audio().PlayAsync("TENSECS.WAV");
  access_.TenSecondsLeft();
}

void ModePlay::AnnounceEnd(GameEnd end) {
  const TimeUpAnnouncement announce = AnnouncementFor(host_.Settings().TimeUpNotification);
  const QString text = TextFromBytes(GameEndText(end, rule_.Mode()));
  access_.GameOver(text);
  if (announce.Sound) host_.Services().Audio().PlayToEnd("TIMEUP.WAV");
  if (announce.Message || end == GameEnd::NothingToFind)
    host_.Services().ShowMessage(host_.Window(), text, "Notice");
}

void ModePlay::Stop() {
  if (!sessionOpen_) return;
  CloseCheckSession(session_);
  sessionOpen_ = false;
}

void ModePlay::Forget() {
  forgotten_ = true;
  if (facts_) facts_->hide();
  board_.ShowStartCounts(std::nullopt);
  Relayout();
}

void ModePlay::WindowScaled() {
  fullListHeight_ = 0;
  Relayout();
}

bool ModePlay::FactsShown() const { return facts_ && !facts_->isHidden(); }

void ModePlay::Relayout() {
  QRect list = guessList_.geometry();
  if (fullListHeight_ > 0) list.setHeight(fullListHeight_);
  fullListHeight_ = 0;
  if (FactsShown()) {
    const double scale = host_.ScaleFactor();
    fullListHeight_ = list.height();
    QRect facts = list;
    facts.setTop(list.bottom() + 1 - Scaled(kFactsHeight, scale));
    facts_->setGeometry(facts);
    facts_->ApplyScale(scale);
    list.setBottom(facts.top() - Scaled(kFactsGap, scale) - 1);
  }
  guessList_.setGeometry(list);
}

JudgedGuess ModePlay::Judge(const std::string& guess) const {
  const LetterGrid& board = host_.GameBoard().Grid;
  return JudgeListedGuess(
      guess, rules_,
      [&](const std::string& word) {
        return InPuzzle(board, word, rules_.RepeatingLettersAllowed);
      },
      [&](const std::string& word) { return InSpeller(session_, word); });
}

void ModePlay::ShowVerdict(const JudgedGuess& judged) {
  QListWidgetItem* item = guessList_.item(guessList_.count() - 1);
  if (!item) return;
  std::string word = judged.Word;
  if (judged.Verdict == GuessVerdict::Repeat) word = word.substr(0, word.rfind(kRepeatMark));
  const VerdictTexts texts = TextsOf(judged);
  item->setText(TextFromBytes(word) + "  " + texts.Shown);
  item->setData(Qt::AccessibleTextRole, TextFromBytes(word) + ", " + texts.Spoken);
}

void ModePlay::ShowFacts(const TimedGame& clock) {
  std::vector<TPlayFacts::Fact> facts;
  const GameModeRow& mode = rule_.Mode();
  if (rules_.JudgesAsEntered())
    facts.push_back({"Score " + QString::number(score_), "Score: " + Points(score_)});
  if (mode.StrikeLimit > 0)
    facts.push_back({QString("Strikes %1/%2").arg(rule_.Strikes()).arg(mode.StrikeLimit),
                     QString("Strikes: %1 of %2").arg(rule_.Strikes()).arg(mode.StrikeLimit)});
  if (mode.GuessLimit > 0)
    facts.push_back({QString("Guesses %1/%2").arg(rule_.Guesses()).arg(mode.GuessLimit),
                     QString("Guesses: %1 of %2").arg(rule_.Guesses()).arg(mode.GuessLimit)});
  if (mode.RefillSeconds > 0 || mode.BonusSeconds > 0)
    facts.push_back({"Left " + ClockText(clock.SecondsLeft()),
                     "Time left: " + QString::number(clock.SecondsLeft()) + " seconds"});
  if (mode.EndsWhenAllFound)
    facts.push_back({"Found " + QString::number(found_.Count()),
                     "Words found: " + QString::number(found_.Count())});
  if (rules_.HintBestScore) {
    const int64_t best = BestPossibleScore(words_, rules_, mode.GuessLimit);
    facts.push_back({"Best " + QString::number(best), "Best possible score: " + Points(best)});
  }
  if (rules_.HintWordsByLength)
    for (const LengthCount& count : WordsByLength(words_, found_.Flags()))
      facts.push_back({TextFromBytes(LengthCountText(count)), QString("%1 letters: %2 found of %3")
                                                                  .arg(count.Length)
                                                                  .arg(count.Found)
                                                                  .arg(count.Total)});
  if (!facts_ && !facts.empty()) {
    facts_ = new TPlayFacts(guessList_.parentWidget());
    // Read after the guesses, before Abort: Tab keeps the playing order it had.
    QWidget::setTabOrder(&guessList_, facts_);
  }
  if (!facts_) return;
  facts_->ShowFacts(facts);
  facts_->setVisible(!facts.empty());
}

void ModePlay::ShowHints() {
  if (rules_.HintWordsStartingHere) board_.ShowStartCounts(WordsStartingOn(words_, found_.Flags()));
}

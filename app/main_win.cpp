#include "app/main_win.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "app/main_menu.h"
#include "base/paths.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "presentation/layout_scaling.h"
#include "settings/settings_file.h"
#include "windows/dialog_scaling.h"
#include "windows/look/letter_look.h"
#include "windows/look/qt_font.h"
#include "windows/look/window_size.h"
#include "windows/play/board_tiles.h"
#include "windows/play/board_view.h"
#include "windows/play/gauge.h"
#include "windows/play/guess_list_view.h"
#include "windows/play/mode_play.h"
#include "windows/play/play_access.h"
#include "windows/play/time_panel.h"
#include "windows/play/word_entry.h"
#include "windows/window_caption.h"
#include "windows/words/host_check_session.h"
#include "windows/words/show_score.h"
#include "words/language.h"

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 418;
constexpr int kTopOffset = 15;
const QColor kTeal(0, 128, 128);

}  // namespace

TMainWin::TMainWin(Platform& platform)
    : platform_(platform), access_(std::make_unique<PlayAccess>(platform, *this)) {
  FormCreate();
}

TMainWin::~TMainWin() = default;

void TMainWin::FormCreate() {
  setWindowTitle("Tolvane 95");
  CreateComponents();
  BuildMainMenus(*this, menuBar());
  grid_.Blank();
  MyTimer = platform_.MakeTicker(1000, [this] { MyTimerTimer(); });
  ShowTime();
  Apply(GameEvent::StartUp);

  programDirectory_ = ProgramDirectoryFrom(platform_.ProgramFilePath());
  settings_ = DefaultSettings(StartDirectoryFrom(platform_.CurrentDirectory()));
  LoadSettings(settings_, platform_.SettingsFilePath());

  ShowDictionaryChoice(*this);
  ShowLanguage(*this);
  MenuItem("MenuBackBit")->setChecked(settings_.ShowBackgroundBitmap);
  grid_.ComputeCellOnBoard(settings_.Height, settings_.Width);
  ChooseScaleFactor();
  GuessList->setFont(QtFontFrom(settings_.WordListFont));
  GuessList->ApplyColumns(settings_.GuessListColumns, scaleFactor_);
  SaveDimensions(board_, dimensions_, &platform_);

  letterLook_ = new TLetterLook(*this);
  board_->SetTilePicture(&letterLook_->SavedImage);
}

// Built on the first "&Check List": start-up does not pay for its lists and labels.
TShowScore& TMainWin::ShowScore() {
  if (!showScore_) showScore_ = new TShowScore(*this);
  return *showScore_;
}

const ScoreSheet* TMainWin::JudgedSheet() {
  return showScore_ && !game_.Running() ? showScore_->SheetOfTheGuesses() : nullptr;
}

void TMainWin::CreateComponents() {
  board_ = new TBoardView(*this, this);
  board_->setFixedSize(kClientWidth, kClientHeight);
  // Enter on the board enters the word as Enter in the word box does, and the focus
  // stays on the board for the next word.
  board_->Tiles().onEnter = [this] {
    if (game_.Running()) EnterGuess();
  };
  setCentralWidget(board_);
  // Not resizable: the window is exactly the client area plus its menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  QFrame* guessPanel = MakePanel(board_, "GuessPanel", {348, 12, 181, 25}, QFrame::Raised, kTeal);
  MakeLabel(guessPanel, "GuessLabel", "Word Guesses", {0, 0, 181, 25}, ArialPixels(17),
            Qt::AlignCenter);

  GuessList = new TGuessList(board_);
  GuessList->setGeometry(348, 40, 181, 333);
  GuessList->onMouseUp = [this] { return GuessListMouseUp(); };

  CheckList = MakeButton(board_, "CheckList", "&Check List", {348, 380, 181, 33});
  ExitButton = MakeButton(board_, "ExitButton", "E&xit", {544, 380, 81, 33});
  Scramble = MakeButton(board_, "Scramble", "Scram&ble", {28, 328, 145, 33});
  Start = MakeButton(board_, "Start", "&Start", {184, 328, 145, 33});

  QFrame* wordPanel = MakePanel(board_, "WordPanel", {12, 372, 329, 37}, QFrame::Raised, kTeal);
  MakeLabel(wordPanel, "WordLabel", "Word", {24, 9, 60, 22}, ArialPixels(18, true));
  WordEntry = new TWordEntry(wordPanel, *board_);
  WordEntry->setGeometry(92, 4, 233, 29);
  WordEntry->setFont(ArialPixels(17));
  WordEntry->onEnter = [this] {
    if (game_.Running()) AddGuess();
    return game_.Running();
  };
  WordEntry->typedLanguage = [this]() -> const Language& { return ChosenLanguage(settings_); };

  TimePanel = MakeTimePanel(board_);

  MyGauge = new TGauge(board_);
  MyGauge->setObjectName("MyGauge");
  MyGauge->setGeometry(556, 76, 53, 297);
  MyGauge->setFont(ArialPixels(17));
  play_ = std::make_unique<ModePlay>(*this, *access_, *GuessList, *board_, *MyGauge);

  playingControls_ = {wordPanel, guessPanel, GuessList, TimePanel->parentWidget(), Scramble, Start,
                      CheckList, ExitButton, MyGauge};
  // The board's grid cursor must never show through on a control.
  for (QWidget* control : playingControls_) control->setCursor(Qt::ArrowCursor);
  access_->Wire();

  connect(Scramble, &QPushButton::clicked, this, [this] { ScrambleClick(); });
  connect(Start, &QPushButton::clicked, this, [this] { StartClick(); });
  connect(CheckList, &QPushButton::clicked, this, [this] { CheckListClick(); });
  connect(ExitButton, &QPushButton::clicked, this, [this] { ExitButtonClick(); });
}

QAction* TMainWin::MenuItem(const char* name) const { return findChild<QAction*>(name); }

void TMainWin::ChooseScaleFactor() {
  const QSize screen = platform_.ScreenSize();
  ScreenWidth = screen.width();
  ScreenHeight = screen.height();
  scaleFactor_ = ScaleFactorFor(settings_.WindowSize, ScreenWidth, ScreenHeight);
  MarkWindowSize(*this, scaleFactor_);
}

void TMainWin::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void TMainWin::FormShow() { ApplyWindowScale(scaleFactor_); }

void TMainWin::closeEvent(QCloseEvent* event) {
  MyTimer->Stop();
  SaveSettings(settings_, platform_.SettingsFilePath());
  QMainWindow::closeEvent(event);
}

// The one place that switches controls: the changes of `event`, from the state table.
void TMainWin::Apply(GameEvent event) {
  const ControlChanges& changes = ChangesFor(event);
  for (int i = 0; i < kControlCount; ++i) {
    if (changes.Enabled[i] != Switch::AsBefore)
      SetEnabled(ControlName(static_cast<Control>(i)), changes.Enabled[i] == Switch::On);
  }
  for (const FollowingItem& item : FollowingItems())
    SetEnabled(item.Name, IsEnabled(ControlName(item.Leader)));
  if (changes.ExitCaption) ExitButton->setText(changes.ExitCaption);
  if (changes.HasFocus) findChild<QWidget*>(ControlName(changes.Focus))->setFocus();
}

void TMainWin::SetEnabled(const char* name, bool on) {
  if (auto* widget = findChild<QWidget*>(name))
    widget->setEnabled(on);
  else
    MenuItem(name)->setEnabled(on);
}

bool TMainWin::IsEnabled(const char* name) const {
  const auto* widget = findChild<QWidget*>(name);
  return widget ? widget->isEnabled() : MenuItem(name)->isEnabled();
}

void TMainWin::MakeInvisible() {
  for (QWidget* control : playingControls_) control->hide();
}

void TMainWin::MakeVisible() {
  for (QWidget* control : playingControls_) control->show();
}

void TMainWin::ScrambleClick() {
  // Hiding the focused control hands the focus on; it comes back once the board is shown.
  QWidget* focused = QApplication::focusWidget();
  MakeInvisible();
  GuessList->clear();
  play_->Forget();
  DealNewBoard(*this);
  game_.ClearGuesses(BoardNow());
  board_->PlayScrambleAnimation();
  MakeVisible();
  if (focused) focused->setFocus();
  Apply(GameEvent::Scrambled);
}

void TMainWin::StartClick() {
  watcher_.reset();
  BeginGame(settings_.Minutes, settings_.Seconds, settings_);
}

void TMainWin::StartGame(int32_t gameSeconds, std::unique_ptr<GameWatcher> watcher) {
  watcher_ = std::move(watcher);
  BeginGame(0, gameSeconds, SharedGameRules(settings_, watcher_->Mode()));
}

void TMainWin::BeginGame(int32_t minutes, int32_t seconds, const GameSettings& rules) {
  if (!play_->Open(rules)) return;  // a game judged as it goes needs the dictionary
  game_.Start(minutes, seconds, BoardNow());
  GuessList->clear();
  const GameEnd end = play_->Start(game_, rules);
  MyTimer->Start();
  ShowTime();
  Apply(GameEvent::GameStarted);
  access_->GameStarted(game_.GameSeconds());
  board_->SetPicking(true);
  GuessList->viewport()->setCursor(board_->GridCursor());
  if (end != GameEnd::Running) EndGame(end);
}

void TMainWin::MyTimerTimer() {
  const TickOutcome outcome = game_.Tick();
  if (outcome == TickOutcome::TenSecondWarning) play_->WarnTenSecondsLeft();
  if (outcome == TickOutcome::TimeUp) StopGame();
  ShowTime();
  play_->Ticked(game_);
  if (outcome == TickOutcome::TimeUp) play_->AnnounceEnd(GameEnd::TimeUp);
}

void TMainWin::EndGame(GameEnd end) {
  StopGame();
  play_->AnnounceEnd(end);
}

void TMainWin::StopGame() {
  MyTimer->Stop();
  game_.Stop();
  play_->Stop();
  Apply(GameEvent::GameStopped);
  board_->SetPicking(false);
  GuessList->viewport()->unsetCursor();
  if (watcher_) watcher_->GameStopped();
}

void TMainWin::ShowTime() {
  TimePanel->setText(TextFromBytes(game_.TimeText()));
  TimePanel->repaint();
}

void TMainWin::AddGuess() {
  if (EnterGuess()) WordEntry->setFocus();
}

bool TMainWin::EnterGuess() {
  if (!game_.AddGuess(WordEntry->Word())) return false;
  GuessList->AddGuess(TextFromBytes(game_.Guesses().back()));
  WordEntry->clear();
  board_->ForgetPicks();
  const GameEnd end = play_->Entered(game_).End;
  if (end != GameEnd::Running) EndGame(end);
  return true;
}

// During a game the list takes no part in the click: the new guess stays selected.
bool TMainWin::GuessListMouseUp() {
  if (game_.Running()) {
    AddGuess();
    WordEntry->setFocus();
    return true;
  }
  if (Start->isEnabled())
    Start->setFocus();
  else if (CheckList->isEnabled())
    CheckList->setFocus();
  else
    Scramble->setFocus();
  return false;
}

void TMainWin::CheckListClick() {
  Apply(GameEvent::Checked);
  platform_.ExecDialog(ShowScore());
  if (watcher_ && JudgedSheet()) watcher_->ListChecked(*JudgedSheet());
}

void TMainWin::ExitButtonClick() {
  if (game_.Running())
    StopGame();
  else
    close();
}

void TMainWin::BoardResized() { BoardReplaced(GameEvent::BoardResized); }

void TMainWin::BoardLoaded() { BoardReplaced(GameEvent::PuzzleLoaded); }

void TMainWin::BoardReplaced(GameEvent event) {
  play_->Forget();
  Apply(event);
  board_->BoardChanged();
}

void TMainWin::RepaintBoard() { board_->repaint(); }

void TMainWin::GameModeChanged() { setWindowTitle(WindowCaption(settings_)); }

PlayedMode TMainWin::GameModePlayed() const { return play_->Played(); }

const std::vector<JudgedGuess>* TMainWin::VerdictsAsPlayed() const { return play_->Verdicts(); }

bool TMainWin::MayChangeBoard() const { return Scramble->isEnabled(); }

void TMainWin::LanguageChanged() { ShowLanguage(*this); }

void TMainWin::GuessListLookChanged() {
  QFont guessFont = QtFontFrom(settings_.WordListFont);
  guessFont.setPointSize(Scaled(settings_.WordListFont.Size, scaleFactor_));
  GuessList->setFont(guessFont);
  GuessList->ApplyColumns(settings_.GuessListColumns, scaleFactor_);
}

void TMainWin::ShowPath(const std::vector<int>& cells) { board_->ShowPath(cells); }

void TMainWin::ApplyWindowScale(double scaleFactor) {
  scaleFactor_ = scaleFactor;
  RestoreWindow(*this, *board_, dimensions_, scaleFactor_, ScreenSize(), kTopOffset);
  play_->WindowScaled();
  GuessListLookChanged();
  board_->repaint();
}

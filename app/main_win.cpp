#include "app/main_win.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <array>

#include "app/about_box.h"
#include "app/main_menu.h"
#include "app/product_window.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/text_utils.h"
#include "game/gauge.h"
#include "game/scramble.h"
#include "platform/qt_text.h"
#include "presentation/dialog_scaling.h"
#include "presentation/grid_cursor.h"
#include "presentation/layout_scaling.h"
#include "presentation/letter_look.h"
#include "presentation/qt_font.h"
#include "presentation/tile_composer.h"
#include "settings/puzzle_file.h"
#include "settings/settings_file.h"
#include "words/show_score.h"

// The client area: the board is painted straight onto it, and its mouse events are the
// window's own (the margins and the board not covered by controls).
class TBoardSurface : public QWidget {
 public:
  TBoardSurface(TMainWin& window) : QWidget(&window), window_(window) { setMouseTracking(true); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    window_.FormPaint(painter, event->rect());
  }
  void mousePressEvent(QMouseEvent* event) override {
    window_.FormMouseDown(event->position().toPoint().x(), event->position().toPoint().y());
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    window_.FormMouseUp(event->position().toPoint().x(), event->position().toPoint().y());
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    window_.FormMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
  }

 private:
  TMainWin& window_;
};

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 418;
constexpr int kTopOffset = 15;
const QColor kTeal(0, 128, 128);

QFont ArialPixels(int pixels, bool bold = false) {
  QFont font("Arial");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect bounds, QFrame::Shadow shadow) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | shadow);
  panel->setLineWidth(2);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, kTeal);
  panel->setPalette(palette);
  panel->setGeometry(bounds);
  panel->setFont(ArialPixels(17));
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect bounds,
                  const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(bounds);
  label->setFont(font);
  label->setAlignment(alignment);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(bounds);
  button->setFont(ArialPixels(17));
  return button;
}

QString TwoDigits(int value) {
  return value < 10 ? "0" + QString::number(value) : QString::number(value);
}

// The word entry and the guess list hold single-byte text; the window edge converts.
std::string ToBytes(const QString& text) { return text.toLatin1().toStdString(); }
QString FromBytes(const std::string& text) {
  return QString::fromLatin1(text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

TMainWin::TMainWin(Platform& platformServices) : platform(platformServices) { FormCreate(); }

TMainWin::~TMainWin() = default;

void TMainWin::FormCreate() {
  setWindowTitle("Tolvane 95");
  CreateComponents();
  CreateMenus();

  ScrambleAnimation = false;
  grid_.Blank();
  MyTimer = platform.MakeTicker(1000, [this] { MyTimerTimer(); });
  ElapsedSeconds = 0;
  ShowTime();
  WordEntry->setEnabled(false);
  Start->setEnabled(false);
  MenuSave->setEnabled(false);
  CheckList->setEnabled(false);
  MenuPrint->setEnabled(false);
  GridCursor = MakeGridCursor();
  GameRunning = false;

  programDirectory_ = ProgramDirectoryFrom(platform.ProgramFilePath());
  startDirectory_ = StartDirectoryFrom(platform.CurrentDirectory());
  settings_ = DefaultSettings(startDirectory_);
  LoadSettings(settings_, platform.SettingsFilePath());

  ApplyGuessListColumns();
  MenuAmerican->setText(settings_.AmericanDictionary ? "&American Dictionary"
                                                     : "&British Dictionary");
  MenuBackBit->setChecked(settings_.ShowBackgroundBitmap);
  grid_.ComputeCellOnBoard(settings_.Height, settings_.Width);
  ChooseScaleFactor();
  GuessList->setFont(QtFontFrom(settings_.WordListFont));
  SaveDimensions(Surface, Dimensions);
}

void TMainWin::CreateComponents() {
  Surface = new TBoardSurface(*this);
  Surface->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(Surface);
  // Not resizable: the window is exactly the client area plus its menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  GuessPanel = MakePanel(Surface, "GuessPanel", {348, 12, 181, 25}, QFrame::Raised);
  GuessLabel = MakeLabel(GuessPanel, "GuessLabel", "Word Guesses", {0, 0, 181, 25}, ArialPixels(17),
                         Qt::AlignCenter);

  GuessList = new QListWidget(Surface);
  GuessList->setObjectName("GuessList");
  GuessList->setGeometry(348, 40, 181, 333);
  GuessList->setUniformItemSizes(true);
  GuessList->setSelectionMode(QAbstractItemView::SingleSelection);
  GuessList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GuessList->viewport()->installEventFilter(this);

  CheckList = MakeButton(Surface, "CheckList", "&Check List", {348, 380, 181, 33});
  ExitButton = MakeButton(Surface, "ExitButton", "E&xit", {544, 380, 81, 33});
  Scramble = MakeButton(Surface, "Scramble", "Scram&ble", {28, 328, 145, 33});
  Start = MakeButton(Surface, "Start", "&Start", {184, 328, 145, 33});

  WordPanel = MakePanel(Surface, "WordPanel", {12, 372, 329, 37}, QFrame::Raised);
  WordLabel = MakeLabel(WordPanel, "WordLabel", "Word", {24, 9, 60, 22}, ArialPixels(18, true));
  WordEntry = new QLineEdit(WordPanel);
  WordEntry->setObjectName("WordEntry");
  WordEntry->setGeometry(92, 4, 233, 29);
  WordEntry->setFont(ArialPixels(17));
  WordEntry->installEventFilter(this);

  TimeHeadPanel = MakePanel(Surface, "TimeHeadPanel", {548, 12, 69, 53}, QFrame::Raised);
  TimerLabel = MakeLabel(TimeHeadPanel, "TimerLabel", "Timer", {4, 5, 61, 19}, ArialPixels(17),
                         Qt::AlignHCenter | Qt::AlignTop);
  TimePanel = MakeLabel(TimeHeadPanel, "TimePanel", "00:00:00", {2, 26, 65, 25}, ArialPixels(15),
                        Qt::AlignCenter);
  TimePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  TimePanel->setLineWidth(1);

  MyGauge = new TGauge(Surface);
  MyGauge->setObjectName("MyGauge");
  MyGauge->setGeometry(556, 76, 53, 297);
  MyGauge->setFont(ArialPixels(17));

  connect(Scramble, &QPushButton::clicked, this, [this] { ScrambleClick(); });
  connect(Start, &QPushButton::clicked, this, [this] { StartClick(); });
  connect(CheckList, &QPushButton::clicked, this, [this] { CheckListClick(); });
  connect(ExitButton, &QPushButton::clicked, this, [this] { ExitButtonClick(); });

  BackImage = QImage(":/assets/background.png").convertToFormat(QImage::Format_RGB32);
  WhiteImage = QImage(120, 120, QImage::Format_RGB32);
  WhiteImage.fill(Qt::white);
}

void TMainWin::CreateMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  QMenu* options = menuBar()->addMenu("&Options");
  QMenu* help = menuBar()->addMenu("&Help");
  QMenu* sizes = nullptr;
  auto* sizeGroup = new QActionGroup(this);
  for (const MenuRow& row : MainMenuRows()) {
    QMenu* menu = row.Menu == MenuName::File      ? file
                  : row.Menu == MenuName::Options ? options
                                                  : help;
    if (row.Menu == MenuName::ScreenSize) {
      if (!sizes) {
        file->addSeparator();
        sizes = file->addMenu("S&creen Size");
      }
      menu = sizes;
    }
    if (row.SeparatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(row.Caption);
    action->setObjectName(row.Name);
    if (row.Key) action->setShortcut(QKeySequence(Qt::CTRL | row.Key));
    action->setCheckable(row.Checkable);
    if (row.Menu == MenuName::ScreenSize) sizeGroup->addAction(action);
    if (row.Handler)
      connect(action, &QAction::triggered, this, [this, handler = row.Handler] { handler(*this); });
  }
  const auto find = [this](const char* name) { return findChild<QAction*>(name); };
  MenuOpen = find("MenuOpen");
  MenuSave = find("MenuSave");
  MenuDesign = find("MenuDesign");
  N640x480 = find("N640x480");
  N800x600 = find("N800x600");
  N1024x768 = find("N1024x768");
  N1280x1024 = find("N1280x1024");
  MenuPrint = find("MenuPrint");
  MenuSetup = find("MenuSetup");
  MenuExit = find("MenuExit");
  MenuDimensions = find("MenuDimensions");
  MenuFont = find("MenuFont");
  MenuTimer = find("MenuTimer");
  MenuWordLength = find("MenuWordLength");
  MenuScoring = find("MenuScoring");
  MenuPlayOptions = find("MenuPlayOptions");
  MenuBackBit = find("MenuBackBit");
  MenuGuessFont = find("MenuGuessFont");
  MenuGuessColumns = find("MenuGuessColumns");
  MenuAmerican = find("MenuAmerican");
  MenuAddTo = find("MenuAddTo");
  MenuExclude = find("MenuExclude");
  MenuLookUp = find("MenuLookUp");
  MenuContents = find("MenuContents");
  MenuAbout = find("MenuAbout");
  MenuProducts = find("MenuProducts");
}

void TMainWin::ApplyGuessListColumns() {
  const int columns = settings_.GuessListColumns;
  GuessList->setFlow(QListView::TopToBottom);
  if (columns <= 1) {
    GuessList->setWrapping(false);
    GuessList->setGridSize(QSize());
  } else {
    // Items run down a column and wrap into the next, as a multi-column list box does.
    GuessList->setWrapping(true);
    GuessList->setResizeMode(QListView::Adjust);
    GuessList->setGridSize(QSize(GuessList->width() / columns, 19));
  }
}

void TMainWin::ChooseScaleFactor() {
  const QSize screen = platform.ScreenSize();
  ScreenWidth = screen.width();
  ScreenHeight = screen.height();
  scaleFactor_ = ScaleFactorFor(settings_.WindowSize, ScreenWidth, ScreenHeight);
  QAction* checked = scaleFactor_ == 1.25  ? N800x600
                     : scaleFactor_ == 1.6 ? N1024x768
                     : scaleFactor_ == 2.0 ? N1280x1024
                                           : N640x480;
  checked->setChecked(true);
}

void TMainWin::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void TMainWin::FormShow() {
  RestoreDimensions(Surface, Dimensions, scaleFactor_);
  QFont guessFont = GuessList->font();
  guessFont.setPointSize(static_cast<int>(settings_.WordListFont.Size * scaleFactor_));
  GuessList->setFont(guessFont);
  ApplyGuessListColumns();
  adjustSize();
  const QSize outer = frameGeometry().size();
  move(CentredLeft(ScreenWidth, outer.width()),
       CentredTop(ScreenHeight, outer.height(), kTopOffset));
}

void TMainWin::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TMainWin::FormClose() {
  MyTimer->Stop();
  SaveSettings(settings_, platform.SettingsFilePath());
}

QStringList TMainWin::GuessItems() const {
  QStringList items;
  for (int row = 0; row < GuessList->count(); ++row) items << GuessList->item(row)->text();
  return items;
}

std::array<QWidget*, 9> TMainWin::PlayingControls() const {
  return {WordPanel, GuessPanel, GuessList,  TimeHeadPanel, Scramble,
          Start,     CheckList,  ExitButton, MyGauge};
}

void TMainWin::MakeInvisible() {
  for (QWidget* control : PlayingControls()) control->hide();
}

void TMainWin::MakeVisible() {
  for (QWidget* control : PlayingControls()) control->show();
}

void TMainWin::ScrambleClick() {
  MakeInvisible();
  ScrambleAnimation = true;
  GuessList->clear();
  guesses_.clear();
  ScrambleLetters(grid_, settings_, platform.Random());
  PlayScrambleAnimation();
  Start->setEnabled(true);
  MenuSave->setEnabled(true);
  MenuPrint->setEnabled(true);
}

// Each cell in reading order flickers through random letters for 150 ms, then shows its
// own; cells not reached yet stay bare. Every frame is painted and shown at once, so the
// player sees the board build up while the controls are hidden.
void TMainWin::PlayScrambleAnimation() {
  Clock& clock = platform.MsClock();
  for (int row = 1; row <= settings_.Height; ++row) {
    for (int column = 1; column <= settings_.Width; ++column) {
      animatedCell_ = LetterGrid::CellIndex(row, column);
      const int64_t started = clock.NowMs();
      do {
        animatedLetter_ = static_cast<char>('A' + platform.Random().Random(26));
        Surface->repaint(CellRect(animatedCell_));
      } while (clock.NowMs() - started < 150);
    }
  }
  animatedCell_ = 0;
  Surface->repaint();
  MakeVisible();
  ScrambleAnimation = false;
}

void TMainWin::StartClick() {
  GameRunning = true;
  MyTimer->Start();
  GameSeconds = settings_.Minutes * 60 + settings_.Seconds;
  TenSecondWarningGiven = false;
  ElapsedSeconds = 0;
  ShowTime();
  MyGauge->SetRange(0, GameSeconds);
  MyGauge->SetProgress(0);
  CheckList->setEnabled(false);
  ExitButton->setText("Abort");
  WordEntry->setEnabled(true);
  WordEntry->setFocus();
  Start->setEnabled(false);
  GuessList->clear();
  guesses_.clear();
  Scramble->setEnabled(false);
  MenuDimensions->setEnabled(false);
  GuessList->viewport()->setCursor(GridCursor);
  for (QAction* action : {MenuOpen, MenuSave, MenuDesign, MenuPrint}) action->setEnabled(false);
}

void TMainWin::MyTimerTimer() {
  ++ElapsedSeconds;
  const bool soundOn = settings_.TimeUpNotification == 1 || settings_.TimeUpNotification == 3;
  if (ElapsedSeconds < GameSeconds) {
    if (ElapsedSeconds >= GameSeconds - 10 && !TenSecondWarningGiven) {
      if (soundOn) platform.Audio().PlayAsync("TENSECS.WAV");
      TenSecondWarningGiven = true;
    }
    ShowTime();
    MyGauge->AddProgress(1);
    MyGauge->repaint();
    return;
  }
  StopGame();
  Scramble->setEnabled(false);
  ShowTime();
  MyGauge->AddProgress(1);
  MyGauge->repaint();
  if (soundOn) platform.Audio().PlayToEnd("TIMEUP.WAV");
  if (settings_.TimeUpNotification == 2 || settings_.TimeUpNotification == 3)
    platform.ShowMessage(this, "Time is up.", "Notice");
}

void TMainWin::StopGame() {
  MyTimer->Stop();
  GameRunning = false;
  CheckList->setEnabled(true);
  CheckList->setFocus();
  ExitButton->setText("E&xit");
  WordEntry->setEnabled(false);
  MenuDimensions->setEnabled(true);
  Surface->unsetCursor();
  GuessList->viewport()->unsetCursor();
  for (QAction* action : {MenuOpen, MenuSave, MenuDesign, MenuPrint}) action->setEnabled(true);
}

void TMainWin::ShowTime() {
  const int hours = ElapsedSeconds / 3600;
  const int minutes = ElapsedSeconds % 3600 / 60;
  const int seconds = ElapsedSeconds % 60;
  TimePanel->setText(TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(seconds));
  TimePanel->repaint();
}

void TMainWin::AddGuess() {
  const std::string typed = ToBytes(WordEntry->text().left(255));
  const std::string trimmed = TrimBlanks(typed);
  if (trimmed.empty()) return;
  QString guess = FromBytes(UpperCopy(trimmed, 255));
  if (!GuessList->findItems(guess, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
    guess += " (DUP)";
  GuessList->addItem(guess);
  guesses_.push_back(ToBytes(guess));
  GuessList->setCurrentRow(GuessList->count() - 1);
  GuessList->scrollToItem(GuessList->item(GuessList->count() - 1));
  WordEntry->clear();
  WordEntry->setFocus();
}

void TMainWin::GuessListMouseUp() {
  if (GameRunning) {
    AddGuess();
    WordEntry->setFocus();
    return;
  }
  if (Start->isEnabled())
    Start->setFocus();
  else if (CheckList->isEnabled())
    CheckList->setFocus();
  else
    Scramble->setFocus();
}

bool TMainWin::eventFilter(QObject* watched, QEvent* event) {
  if (watched == WordEntry && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (GameRunning && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      AddGuess();
      return true;
    }
  }
  if (watched == GuessList->viewport() && event->type() == QEvent::MouseButtonRelease) {
    GuessListMouseUp();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainWin::CheckListClick() {
  Scramble->setEnabled(true);
  Start->setEnabled(true);
  if (ShowScore) platform.ExecDialog(*ShowScore);
}

void TMainWin::ExitButtonClick() {
  if (GameRunning)
    StopGame();
  else
    close();
}

void TMainWin::MenuExitClick() { close(); }

void TMainWin::MenuAmericanClick() {
  settings_.AmericanDictionary = !settings_.AmericanDictionary;
  MenuAmerican->setText(settings_.AmericanDictionary ? "&American Dictionary"
                                                     : "&British Dictionary");
}

void TMainWin::MenuBackBitClick() {
  settings_.ShowBackgroundBitmap = !settings_.ShowBackgroundBitmap;
  MenuBackBit->setChecked(settings_.ShowBackgroundBitmap);
  Surface->repaint();
}

void TMainWin::MenuContentsClick() {
  platform.ShowHelp(this, FromBytes(JoinPath(programDirectory_, "TOLVANE.HLP")));
}

void TMainWin::MenuAboutClick() {
  TAboutBox about(this);
  platform.ExecDialog(about);
}

void TMainWin::MenuProductsClick() {
  TProductWindow products(this);
  platform.ExecDialog(products);
}

void TMainWin::MenuSetupClick() { platform.PrinterSetup(this); }

void TMainWin::MenuSaveClick() {
  PuzzleRecord record = PuzzleRecordFromBoard(grid_, settings_.Height, settings_.Width);
  SaveThePuzzle(record);
}

bool TMainWin::SaveThePuzzle(PuzzleRecord& record) {
  const FileDialogRequest request{"Save Tolvane File", "Tolvane (*.TVN)", "TVN",
                                  SaveDialogFileName};
  const QString chosen = platform.GetSaveFileName(this, request);
  if (chosen.isEmpty()) return false;
  SaveDialogFileName = chosen;
  const PuzzleSaveResult result = WritePuzzleFile(PathToBytes(chosen), record);
  if (result == PuzzleSaveResult::Ok) return true;
  platform.ShowMessage(this, FromBytes(PuzzleSaveMessage(result)), "Error");
  return false;
}

void TMainWin::BoardResized() {
  MenuPrint->setEnabled(false);
  Surface->repaint();
}

void TMainWin::BoardLoaded() {
  Start->setEnabled(true);
  Surface->repaint();
}

void TMainWin::RepaintBoard() { Surface->repaint(); }

void TMainWin::GuessListLookChanged() {
  QFont guessFont = QtFontFrom(settings_.WordListFont);
  guessFont.setPointSize(static_cast<int>(settings_.WordListFont.Size * scaleFactor_));
  GuessList->setFont(guessFont);
  ApplyGuessListColumns();
}

void TMainWin::ShowPath(const std::vector<int>& cells) {
  shownPath_ = cells;
  Surface->repaint();
}

void TMainWin::MenuOpenClick() {
  const FileDialogRequest request{"Open Tolvane File", "Tolvane (*.TVN)", "TVN",
                                  OpenDialogFileName};
  const QString chosen = platform.GetOpenFileName(this, request);
  if (chosen.isEmpty()) return;
  OpenDialogFileName = chosen;
  PuzzleRecord record;
  const PuzzleOpenResult result = ReadPuzzleFile(PathToBytes(chosen), record);
  if (result != PuzzleOpenResult::Ok) {
    platform.ShowMessage(this, FromBytes(PuzzleOpenMessage(result)), "Error");
    return;
  }
  PuzzleRecordToBoard(record, grid_, settings_);
  BoardLoaded();
}

QRect TMainWin::CellRect(int cell) const {
  const int row0 = (cell - 1) / LetterGrid::kStride;
  const int column0 = (cell - 1) % LetterGrid::kStride;
  return QRect(BoardLeft + column0 * TileSize, BoardTop + row0 * TileSize, TileSize, TileSize);
}

void TMainWin::FormPaint(QPainter& painter, const QRect& dirty) {
  if (settings_.ShowBackgroundBitmap && !BackImage.isNull())
    painter.drawImage(Surface->rect(), BackImage);
  const QFont letterFont =
      QtFontFrom(settings_.LetterFont, static_cast<int>(settings_.LetterFont.Size * scaleFactor_));
  const QColor letterColor = ColorFromSetting(settings_.LetterFont.Color);
  BoardTop = static_cast<int32_t>((settings_.Height == 5 ? 14 : 44) * scaleFactor_);
  BoardLeft = static_cast<int32_t>((settings_.Width == 5 ? 26 : 56) * scaleFactor_);
  TileSize = static_cast<int32_t>(60 * scaleFactor_);

  for (int row = 1; row <= settings_.Height; ++row) {
    for (int column = 1; column <= settings_.Width; ++column) {
      const int cell = LetterGrid::CellIndex(row, column);
      if (!dirty.intersects(CellRect(cell))) continue;
      char letter = grid_.Letters[cell];
      if (ScrambleAnimation && animatedCell_ != 0) {
        if (cell > animatedCell_) continue;  // not reached by the animation yet
        if (cell == animatedCell_) letter = animatedLetter_;
      }
      PaintTile(painter, cell, letter, letterFont, letterColor);
    }
  }
}

void TMainWin::PaintTile(QPainter& painter, int cell, char letter, const QFont& font,
                         const QColor& color) {
  static const QImage kNoPicture;
  const QImage& background = LetterLook ? LetterLook->SavedImage : kNoPicture;
  ComposeTile(Image1, WhiteImage, background, TileSize, letter, font, color);
  painter.drawImage(CellRect(cell).topLeft(), Image1);
}

int TMainWin::GetLetterIndex(int x, int y) const {
  if (x < BoardLeft || x >= BoardLeft + settings_.Width * TileSize) return -1;
  if (y < BoardTop || y >= BoardTop + settings_.Height * TileSize) return -1;
  const int row0 = (y - BoardTop) / TileSize;
  const int column0 = (x - BoardLeft) / TileSize;
  const int cell = row0 * LetterGrid::kStride + column0 + 1;
  if (cell < 1 || cell > LetterGrid::kCells) return -1;
  return grid_.CellOnBoard[cell] ? cell : -1;
}

void TMainWin::FormMouseMove(int x, int y) {
  if (!GameRunning) return;
  const bool overBoard = BoardLeft < x && x < BoardLeft + TileSize * settings_.Width &&
                         BoardTop < y && y < BoardTop + TileSize * settings_.Height;
  if (overBoard)
    Surface->setCursor(GridCursor);
  else
    Surface->unsetCursor();
}

void TMainWin::FormMouseDown(int x, int y) {
  if (GameRunning) PressedCell = GetLetterIndex(x, y);
}

void TMainWin::FormMouseUp(int x, int y) {
  if (!GameRunning) return;
  const int cell = GetLetterIndex(x, y);
  if (cell == -1 || cell != PressedCell) return;
  WordEntry->setText(WordEntry->text() + QChar::fromLatin1(grid_.Letters[cell]));
  WordEntry->end(false);
}

void TMainWin::ApplyWindowScale(double scaleFactor) {
  scaleFactor_ = scaleFactor;
  RestoreWindow(*this, *Surface, Dimensions, scaleFactor_, ScreenSize(), kTopOffset);
  // The recorded guess-list size is the one of start-up; a font chosen since then rules.
  QFont guessFont = GuessList->font();
  guessFont.setPointSize(Scaled(settings_.WordListFont.Size, scaleFactor_));
  GuessList->setFont(guessFont);
  ApplyGuessListColumns();
  Surface->repaint();
}

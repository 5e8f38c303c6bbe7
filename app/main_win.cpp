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
#include "app/product_window.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/text_utils.h"
#include "game/gauge.h"
#include "game/scramble.h"
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
  Grid.Blank();
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

  ProgramDirectory = ProgramDirectoryFrom(platform.ProgramFilePath());
  StartDirectory = StartDirectoryFrom(platform.CurrentDirectory());
  Settings = DefaultSettings(StartDirectory);
  LoadSettings(Settings, platform.SettingsFilePath());

  ApplyGuessListColumns();
  MenuAmerican->setText(Settings.AmericanDictionary ? "&American Dictionary"
                                                    : "&British Dictionary");
  MenuBackBit->setChecked(Settings.ShowBackgroundBitmap);
  Grid.ComputeCellOnBoard(Settings.Height, Settings.Width);
  ChooseScaleFactor();
  GuessList->setFont(QtFontFrom(Settings.WordListFont));
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
  const auto item = [this](QMenu* menu, const char* name, const QString& caption,
                           QKeySequence shortcut, void (TMainWin::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (handler)
      connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };

  QMenu* file = menuBar()->addMenu("&File");
  MenuOpen = item(file, "MenuOpen", "&Open Puzzle", ctrl(Qt::Key_O), &TMainWin::MenuOpenClick);
  MenuSave = item(file, "MenuSave", "Sa&ve Puzzle", ctrl(Qt::Key_V), &TMainWin::MenuSaveClick);
  MenuDesign = item(file, "MenuDesign", "&Design Puzzle", ctrl(Qt::Key_Z), nullptr);
  file->addSeparator();
  QMenu* sizes = file->addMenu("S&creen Size");
  auto* sizeGroup = new QActionGroup(this);
  N640x480 = item(sizes, "N640x480", "640x480", ctrl(Qt::Key_F1), nullptr);
  N800x600 = item(sizes, "N800x600", "800x600", ctrl(Qt::Key_F2), nullptr);
  N1024x768 = item(sizes, "N1024x768", "1024x768", ctrl(Qt::Key_F3), nullptr);
  N1280x1024 = item(sizes, "N1280x1024", "1280x1024", ctrl(Qt::Key_F4), nullptr);
  for (QAction* size : {N640x480, N800x600, N1024x768, N1280x1024}) {
    size->setCheckable(true);
    sizeGroup->addAction(size);
  }
  MenuPrint = item(file, "MenuPrint", "&Print Puzzle", ctrl(Qt::Key_P), nullptr);
  MenuSetup = item(file, "MenuSetup", "Printer &Setup", ctrl(Qt::Key_R), &TMainWin::MenuSetupClick);
  file->addSeparator();
  MenuExit = item(file, "MenuExit", "E&xit", ctrl(Qt::Key_X), &TMainWin::MenuExitClick);

  QMenu* options = menuBar()->addMenu("&Options");
  MenuDimensions = item(options, "MenuDimensions", "&Dimensions", ctrl(Qt::Key_D), nullptr);
  MenuFont = item(options, "MenuFont", "&Puzzle Font", ctrl(Qt::Key_F), nullptr);
  MenuTimer = item(options, "MenuTimer", "&Timer Options", ctrl(Qt::Key_T), nullptr);
  MenuWordLength = item(options, "MenuWordLength", "&Word Length", ctrl(Qt::Key_W), nullptr);
  MenuScoring = item(options, "MenuScoring", "Word &Scoring", ctrl(Qt::Key_S), nullptr);
  MenuPlayOptions = item(options, "MenuPlayOptions", "Pla&y Options", ctrl(Qt::Key_Y), nullptr);
  options->addSeparator();
  MenuBackBit = item(options, "MenuBackBit", "Show &Background Bitmap", ctrl(Qt::Key_B),
                     &TMainWin::MenuBackBitClick);
  MenuBackBit->setCheckable(true);
  MenuGuessFont = item(options, "MenuGuessFont", "Word &Guess Font", ctrl(Qt::Key_G), nullptr);
  MenuGuessColumns =
      item(options, "MenuGuessColumns", "Word Guess &Columns", ctrl(Qt::Key_E), nullptr);
  options->addSeparator();
  MenuAmerican = item(options, "MenuAmerican", "&American Dictionary", ctrl(Qt::Key_M),
                      &TMainWin::MenuAmericanClick);
  MenuAddTo = item(options, "MenuAddTo", "Add To D&ictionary", ctrl(Qt::Key_I), nullptr);
  MenuExclude = item(options, "MenuExclude", "Excl&ude From Dictionary", ctrl(Qt::Key_U), nullptr);
  MenuLookUp = item(options, "MenuLookUp", "&Look Up Word", ctrl(Qt::Key_L), nullptr);

  QMenu* help = menuBar()->addMenu("&Help");
  MenuContents =
      item(help, "MenuContents", "&Contents", ctrl(Qt::Key_C), &TMainWin::MenuContentsClick);
  MenuAbout = item(help, "MenuAbout", "&About", ctrl(Qt::Key_A), &TMainWin::MenuAboutClick);
  MenuProducts =
      item(help, "MenuProducts", "Other &Products", QKeySequence(), &TMainWin::MenuProductsClick);
}

void TMainWin::ApplyGuessListColumns() {
  const int columns = Settings.GuessListColumns;
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
  ScaleFactor = ScaleFactorFor(Settings.WindowSize, ScreenWidth, ScreenHeight);
  QAction* checked = ScaleFactor == 1.25  ? N800x600
                     : ScaleFactor == 1.6 ? N1024x768
                     : ScaleFactor == 2.0 ? N1280x1024
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
  RestoreDimensions(Surface, Dimensions, ScaleFactor);
  QFont guessFont = GuessList->font();
  guessFont.setPointSize(static_cast<int>(Settings.WordListFont.Size * ScaleFactor));
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
  SaveSettings(Settings, platform.SettingsFilePath());
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
  ScrambleLetters(Grid, Settings, platform.Random());
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
  for (int row = 1; row <= Settings.Height; ++row) {
    for (int column = 1; column <= Settings.Width; ++column) {
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
  GameSeconds = Settings.Minutes * 60 + Settings.Seconds;
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
  Scramble->setEnabled(false);
  MenuDimensions->setEnabled(false);
  GuessList->viewport()->setCursor(GridCursor);
  for (QAction* action : {MenuOpen, MenuSave, MenuDesign, MenuPrint}) action->setEnabled(false);
}

void TMainWin::MyTimerTimer() {
  ++ElapsedSeconds;
  const bool soundOn = Settings.TimeUpNotification == 1 || Settings.TimeUpNotification == 3;
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
  if (Settings.TimeUpNotification == 2 || Settings.TimeUpNotification == 3)
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
  Settings.AmericanDictionary = !Settings.AmericanDictionary;
  MenuAmerican->setText(Settings.AmericanDictionary ? "&American Dictionary"
                                                    : "&British Dictionary");
}

void TMainWin::MenuBackBitClick() {
  Settings.ShowBackgroundBitmap = !Settings.ShowBackgroundBitmap;
  MenuBackBit->setChecked(Settings.ShowBackgroundBitmap);
  Surface->repaint();
}

void TMainWin::MenuContentsClick() {
  platform.ShowHelp(this, FromBytes(JoinPath(ProgramDirectory, "TOLVANE.HLP")));
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
  PuzzleRecord record = PuzzleRecordFromBoard(Grid, Settings.Height, Settings.Width);
  SaveThePuzzle(record);
}

void TMainWin::SaveThePuzzle(PuzzleRecord& record) {
  const FileDialogRequest request{"Save Tolvane File", "Tolvane (*.TVN)", "TVN",
                                  SaveDialogFileName};
  const QString chosen = platform.GetSaveFileName(this, request);
  if (chosen.isEmpty()) return;
  SaveDialogFileName = chosen;
  const PuzzleSaveResult result = WritePuzzleFile(chosen.toLocal8Bit().toStdString(), record);
  if (result != PuzzleSaveResult::Ok)
    platform.ShowMessage(this, FromBytes(PuzzleSaveMessage(result)), "Error");
}

void TMainWin::MenuOpenClick() {
  const FileDialogRequest request{"Open Tolvane File", "Tolvane (*.TVN)", "TVN",
                                  OpenDialogFileName};
  const QString chosen = platform.GetOpenFileName(this, request);
  if (chosen.isEmpty()) return;
  OpenDialogFileName = chosen;
  PuzzleRecord record;
  const PuzzleOpenResult result = ReadPuzzleFile(chosen.toLocal8Bit().toStdString(), record);
  if (result != PuzzleOpenResult::Ok) {
    platform.ShowMessage(this, FromBytes(PuzzleOpenMessage(result)), "Error");
    return;
  }
  PuzzleRecordToBoard(record, Grid, Settings);
  Start->setEnabled(true);
  Surface->repaint();
}

QRect TMainWin::CellRect(int cell) const {
  const int row0 = (cell - 1) / LetterGrid::kStride;
  const int column0 = (cell - 1) % LetterGrid::kStride;
  return QRect(BoardLeft + column0 * TileSize, BoardTop + row0 * TileSize, TileSize, TileSize);
}

void TMainWin::FormPaint(QPainter& painter, const QRect& dirty) {
  if (Settings.ShowBackgroundBitmap && !BackImage.isNull())
    painter.drawImage(Surface->rect(), BackImage);
  const QFont letterFont =
      QtFontFrom(Settings.LetterFont, static_cast<int>(Settings.LetterFont.Size * ScaleFactor));
  const QColor letterColor = ColorFromSetting(Settings.LetterFont.Color);
  BoardTop = static_cast<int32_t>((Settings.Height == 5 ? 14 : 44) * ScaleFactor);
  BoardLeft = static_cast<int32_t>((Settings.Width == 5 ? 26 : 56) * ScaleFactor);
  TileSize = static_cast<int32_t>(60 * ScaleFactor);

  for (int row = 1; row <= Settings.Height; ++row) {
    for (int column = 1; column <= Settings.Width; ++column) {
      const int cell = LetterGrid::CellIndex(row, column);
      if (!dirty.intersects(CellRect(cell))) continue;
      char letter = Grid.Letters[cell];
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
  if (x < BoardLeft || x >= BoardLeft + Settings.Width * TileSize) return -1;
  if (y < BoardTop || y >= BoardTop + Settings.Height * TileSize) return -1;
  const int row0 = (y - BoardTop) / TileSize;
  const int column0 = (x - BoardLeft) / TileSize;
  const int cell = row0 * LetterGrid::kStride + column0 + 1;
  if (cell < 1 || cell > LetterGrid::kCells) return -1;
  return Grid.CellOnBoard[cell] ? cell : -1;
}

void TMainWin::FormMouseMove(int x, int y) {
  if (!GameRunning) return;
  const bool overBoard = BoardLeft < x && x < BoardLeft + TileSize * Settings.Width &&
                         BoardTop < y && y < BoardTop + TileSize * Settings.Height;
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
  WordEntry->setText(WordEntry->text() + QChar::fromLatin1(Grid.Letters[cell]));
  WordEntry->end(false);
}

#include "windows/history/history_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <algorithm>

#include "base/replace_file.h"
#include "base/text_utils.h"
#include "game/game_mode.h"
#include "history/history_csv.h"
#include "history/utc_time.h"
#include "platform/game_history.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "settings/puzzle_file.h"
#include "windows/history/game_list_model.h"

namespace {

constexpr const char* kCaption = "Game History";

QTreeWidget* MakeRecordsList(QWidget* parent, const QRect& bounds) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName("RecordsList");
  list->setAccessibleName("Records");
  list->setGeometry(bounds);
  list->setHeaderLabels({"Place", "Score", "Date (UTC)"});
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  CurrentFollowsSelection(*list);
  return list;
}

// One line of the records list, each cell read with its column's title.
void AddRecordLine(QTreeWidget& list, const QStringList& texts) {
  auto* item = new QTreeWidgetItem(&list, texts);
  for (int column = 0; column < texts.size(); ++column)
    item->setData(column, Qt::AccessibleTextRole,
                  list.headerItem()->text(column) + ": " + texts[column]);
}

}  // namespace

THistoryWindow::THistoryWindow(GameHost& host, GameHistory& history)
    : TScaledDialog(host, "GameHistory", kCaption, {760, 520}, nullptr, 15), history_(history) {
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("HistoryTabs");
  tabs->setGeometry(8, 8, 744, 464);
  auto* games = new QWidget;
  auto* records = new QWidget;
  tabs->addTab(games, "&Games");
  tabs->addTab(records, "&Records and Progress");

  model_ = new GameListModel(this, history_);
  GameList = new QTableView(games);
  GameList->setObjectName("GameList");
  GameList->setAccessibleName("Games played");
  QLabel* gameModeLabel = MakeLabel(games, "GameModeLabel", "Game m&ode:", {4, 4, 84, 25},
                                    ArialPixels(15), Qt::AlignVCenter);
  GameModeChoice = new QComboBox(games);
  GameModeChoice->setObjectName("GameModeChoice");
  GameModeChoice->setGeometry(92, 4, 240, 25);
  gameModeLabel->setBuddy(GameModeChoice);
  GameList->setGeometry(4, 36, 516, 392);
  GameList->setModel(model_);
  GameList->setSelectionBehavior(QAbstractItemView::SelectRows);
  GameList->setSelectionMode(QAbstractItemView::SingleSelection);
  GameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab goes on to the next control; the arrows move in the list.
  GameList->setTabKeyNavigation(false);
  GameList->verticalHeader()->hide();
  GameList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  GameList->verticalHeader()->setDefaultSectionSize(20);
  GameList->horizontalHeader()->setSortIndicator(static_cast<int>(GameColumn::Date),
                                                 Qt::DescendingOrder);
  // Columns are made as wide as the first lines need: reading more would read the file.
  GameList->horizontalHeader()->setResizeContentsPrecision(32);
  GameList->setSortingEnabled(true);  // which reads the list, newest first
  // A row chosen by a screen reader's action is the one it then reads, as after a click.
  CurrentFollowsSelection(*GameList);
  GuessList = new QListWidget(games);
  GuessList->setObjectName("GuessList");
  GuessList->setAccessibleName("Guesses");
  GuessList->setGeometry(528, 4, 208, 424);
  GuessList->setUniformItemSizes(true);

  QLabel* modeLabel = MakeLabel(records, "ModeLabel", "&Mode:", {4, 4, 48, 25}, ArialPixels(15),
                                Qt::AlignLeft | Qt::AlignVCenter);
  ModeChoice = new QComboBox(records);
  ModeChoice->setObjectName("ModeChoice");
  ModeChoice->setGeometry(56, 4, 300, 25);
  modeLabel->setBuddy(ModeChoice);
  RecordsList = MakeRecordsList(records, {4, 36, 240, 392});
  chart_ = host.Services().MakeProgressChart(records);
  if (chart_) chart_->Widget()->setGeometry(252, 36, 484, 392);

  PlayAgainButton =
      MakeButton(this, "PlayAgainButton", "&Play This Board Again", {8, 480, 180, 29});
  QPushButton* exportButton = MakeButton(this, "ExportButton", "&Export...", {196, 480, 100, 29});
  DeleteButton = MakeButton(this, "DeleteButton", "&Delete", {304, 480, 100, 29});
  QPushButton* deleteAll = MakeButton(this, "DeleteAllButton", "Delete &All", {412, 480, 110, 29});
  QPushButton* close = MakeButton(this, "CloseButton", "&Close", {652, 480, 100, 29});
  close->setDefault(true);

  connect(GameList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &THistoryWindow::GameChosen);
  connect(GameModeChoice, &QComboBox::currentIndexChanged, this, &THistoryWindow::ListGames);
  connect(ModeChoice, &QComboBox::currentIndexChanged, this, &THistoryWindow::ModeChosen);
  connect(PlayAgainButton, &QPushButton::clicked, this, &THistoryWindow::PlayAgainClick);
  connect(exportButton, &QPushButton::clicked, this, &THistoryWindow::ExportClick);
  connect(DeleteButton, &QPushButton::clicked, this, &THistoryWindow::DeleteClick);
  connect(deleteAll, &QPushButton::clicked, this, &THistoryWindow::DeleteAllClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  ShowList();
  RecordDesignLayout();
}

THistoryWindow::~THistoryWindow() = default;

void THistoryWindow::Reload() { ShowList(); }

void THistoryWindow::ShowList() {
  modes_ = history_.Modes();
  const QString chosenGameMode = GameModeChoice->currentData().toString();
  GameModeChoice->blockSignals(true);
  GameModeChoice->clear();
  GameModeChoice->addItem("All modes");
  for (const std::string& code : PlayedGameModes(modes_))
    GameModeChoice->addItem(TextFromBytes(ModeNameOf(code)), TextFromBytes(code));
  GameModeChoice->setCurrentIndex(std::max(0, GameModeChoice->findData(chosenGameMode)));
  GameModeChoice->blockSignals(false);
  ListGames();
  GameList->resizeColumnsToContents();

  const QString chosenMode = ModeChoice->currentText();
  ModeChoice->blockSignals(true);
  ModeChoice->clear();
  for (const RecordMode& mode : modes_) ModeChoice->addItem(TextFromBytes(ModeText(mode)));
  ModeChoice->setCurrentIndex(std::max(0, ModeChoice->findText(chosenMode)));
  ModeChoice->blockSignals(false);
  ModeChosen();
  TellTrouble();
}

void THistoryWindow::ListGames() {
  model_->Reload(TextToBytes(GameModeChoice->currentData().toString()));
  if (model_->rowCount() > 0) GameList->selectRow(0);
  GameChosen();
}

std::optional<HistoryRow> THistoryWindow::ChosenGame() const {
  const QModelIndexList chosen = GameList->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return std::nullopt;
  return model_->GameOn(chosen.front().row());
}

void THistoryWindow::GameChosen() {
  GuessList->clear();
  const std::optional<HistoryRow> chosen = ChosenGame();
  PlayAgainButton->setEnabled(chosen.has_value() && host.MayChangeBoard());
  DeleteButton->setEnabled(chosen.has_value());
  if (!chosen) return;
  const std::optional<GameRecord> game = RecordFromRow(history_.Game(chosen->Id));
  if (!game) return;
  for (const JudgedGuess& guess : game->Guesses)
    GuessList->addItem(TextFromBytes(guess.Word + "  " + VerdictText(guess.Verdict) + "  " +
                                     FormatCount(guess.Points)));
}

void THistoryWindow::ModeChosen() {
  RecordsList->clear();
  const int index = ModeChoice->currentIndex();
  if (index < 0 || index >= static_cast<int>(modes_.size())) {
    if (chart_) chart_->Show(MakeProgressView({}));
    return;
  }
  const RecordMode mode = modes_[static_cast<size_t>(index)];
  int place = 0;
  for (const ScoreEntry& entry : BestTen(history_.BestScores(mode)))
    AddRecordLine(*RecordsList,
                  {QString::number(++place), TextFromBytes(FormatCount(entry.TotalScore)),
                   TextFromBytes(DateTimeText(entry.PlayedAt))});
  for (int column = 0; column < RecordsList->columnCount(); ++column)
    RecordsList->resizeColumnToContents(column);
  if (chart_) chart_->Show(MakeProgressView(history_.Progress(mode)));
}

void THistoryWindow::PlayAgainClick() {
  const std::optional<HistoryRow> chosen = ChosenGame();
  if (!chosen) return;
  // The history file is the player's to edit: its board is checked as a puzzle file's.
  if (!IsSoundRow(*chosen)) {
    host.Services().ShowMessage(
        this, "This game's board cannot be played again: the history holds it damaged.", "Error");
    return;
  }
  std::string letters = chosen->Letters;
  letters.resize(25, ' ');
  PuzzleRecord record;
  std::copy(letters.begin(), letters.end(), record.PuzzleLetters.begin());
  record.PuzzleHeight = static_cast<uint16_t>(chosen->Height);
  record.PuzzleWidth = static_cast<uint16_t>(chosen->Width);
  PuzzleRecordToBoard(record, host.Board(), host.Settings());
  host.BoardLoaded();
  accept();
}

void THistoryWindow::ExportClick() {
  Platform& platform = host.Services();
  const FileDialogRequest request{"Export Game History", "CSV (*.csv)", "csv", "history.csv"};
  const QString chosen = platform.GetSaveFileName(this, request);
  if (chosen.isEmpty()) return;
  // Newest first, whatever order the list shows.
  std::string csv = HistoryCsvHeader();
  const bool read =
      history_.EachGame([&](const HistoryRow& row) { AppendHistoryCsvLine(csv, row); });
  const std::string bytes = Utf8FromLatin1(csv);
  if (!read ||
      ReplaceFileContents(PathToBytes(chosen), bytes.data(), bytes.size()) != ReplaceFileResult::Ok)
    platform.ShowMessage(this, "Unable to export the game history.", "Error");
  TellTrouble();
}

void THistoryWindow::DeleteClick() {
  const std::optional<HistoryRow> chosen = ChosenGame();
  if (!chosen) return;
  const QString text = "Delete the game of " + TextFromBytes(DateTimeText(chosen->PlayedAt)) +
                       " (UTC) from the history?";
  if (!host.Services().Confirm(this, text, kCaption)) return;
  history_.Remove(chosen->Id);
  Reload();
}

void THistoryWindow::DeleteAllClick() {
  // Every game, whichever game mode the list shows.
  const auto games = static_cast<int64_t>(history_.SortKeys(GameColumn::Date).size());
  if (games == 0) return;
  const QString text =
      "Delete all " + TextFromBytes(FormatCount(games)) + " games from the history?";
  if (!host.Services().Confirm(this, text, kCaption)) return;
  history_.RemoveAll();
  Reload();
}

void THistoryWindow::TellTrouble() {
  const std::string trouble = history_.Trouble();
  if (!trouble.empty()) host.Services().ShowMessage(this, TextFromBytes(trouble), kCaption);
}

void ShowGameHistory(GameHost& host) {
  GameHistory* history = host.Services().History();
  if (!history) {
    host.Services().ShowMessage(
        host.Window(), "The game history support of the game could not be loaded.", "Error");
    return;
  }
  THistoryWindow window(host, *history);
  host.Services().ExecDialog(window);
}

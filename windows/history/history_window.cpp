#include "windows/history/history_window.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <algorithm>

#include "base/replace_file.h"
#include "base/text_utils.h"
#include "history/history_csv.h"
#include "history/history_list.h"
#include "history/utc_time.h"
#include "platform/game_history.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "settings/puzzle_file.h"

// The games as the list shows them, sorted in place by the column clicked.
class GameListModel : public QAbstractTableModel {
 public:
  GameListModel(QObject* parent, std::vector<HistoryRow>& rows)
      : QAbstractTableModel(parent), rows_(rows) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : kGameColumns;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole && index.column() >= static_cast<int>(GameColumn::Score))
      return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const auto line = GameLine(rows_[static_cast<size_t>(index.row())]);
    return TextFromBytes(line[static_cast<size_t>(index.column())]);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString(GameColumnTitles()[static_cast<size_t>(section)]);
  }
  void sort(int column, Qt::SortOrder order) override {
    emit layoutAboutToBeChanged();
    const auto by = static_cast<GameColumn>(column);
    std::stable_sort(rows_.begin(), rows_.end(), [&](const HistoryRow& a, const HistoryRow& b) {
      return order == Qt::AscendingOrder ? GameLess(a, b, by) : GameLess(b, a, by);
    });
    emit layoutChanged();
  }
  void Reset() {
    beginResetModel();
    endResetModel();
  }

 private:
  std::vector<HistoryRow>& rows_;
};

namespace {

constexpr const char* kCaption = "Game History";

QTreeWidget* MakeRecordsList(QWidget* parent, const QRect& bounds) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName("RecordsList");
  list->setGeometry(bounds);
  list->setHeaderLabels({"Place", "Score", "Date (UTC)"});
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  return list;
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

  model_ = new GameListModel(this, rows_);
  GameList = new QTableView(games);
  GameList->setObjectName("GameList");
  GameList->setAccessibleName("Games");
  GameList->setGeometry(4, 4, 516, 424);
  GameList->setModel(model_);
  GameList->setSelectionBehavior(QAbstractItemView::SelectRows);
  GameList->setSelectionMode(QAbstractItemView::SingleSelection);
  GameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GameList->verticalHeader()->hide();
  GameList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  GameList->verticalHeader()->setDefaultSectionSize(20);
  GameList->setSortingEnabled(true);
  GuessList = new QListWidget(games);
  GuessList->setObjectName("GuessList");
  GuessList->setAccessibleName("Guesses");
  GuessList->setGeometry(528, 4, 208, 424);
  GuessList->setUniformItemSizes(true);

  ModeChoice = new QComboBox(records);
  ModeChoice->setObjectName("ModeChoice");
  ModeChoice->setGeometry(4, 4, 300, 25);
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

  connect(GameList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &THistoryWindow::GameChosen);
  connect(ModeChoice, &QComboBox::currentIndexChanged, this, &THistoryWindow::ModeChosen);
  connect(PlayAgainButton, &QPushButton::clicked, this, &THistoryWindow::PlayAgainClick);
  connect(exportButton, &QPushButton::clicked, this, &THistoryWindow::ExportClick);
  connect(DeleteButton, &QPushButton::clicked, this, &THistoryWindow::DeleteClick);
  connect(deleteAll, &QPushButton::clicked, this, &THistoryWindow::DeleteAllClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  Reload();
  RecordDesignLayout();
}

THistoryWindow::~THistoryWindow() = default;

void THistoryWindow::Reload() {
  rows_ = history_.Games();
  model_->Reset();
  GameList->sortByColumn(GameList->horizontalHeader()->sortIndicatorSection(),
                         GameList->horizontalHeader()->sortIndicatorOrder());
  if (!rows_.empty()) GameList->selectRow(0);
  GameChosen();

  const QString chosenMode = ModeChoice->currentText();
  ModeChoice->blockSignals(true);
  ModeChoice->clear();
  for (const RecordMode& mode : PlayedModes(rows_))
    ModeChoice->addItem(TextFromBytes(ModeText(mode)));
  ModeChoice->setCurrentIndex(std::max(0, ModeChoice->findText(chosenMode)));
  ModeChoice->blockSignals(false);
  ModeChosen();
  TellTrouble();
}

const HistoryRow* THistoryWindow::ChosenGame() const {
  const int row = GameList->currentIndex().row();
  return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<size_t>(row)]
                                                          : nullptr;
}

void THistoryWindow::GameChosen() {
  GuessList->clear();
  const HistoryRow* chosen = ChosenGame();
  PlayAgainButton->setEnabled(chosen != nullptr && host.MayChangeBoard());
  DeleteButton->setEnabled(chosen != nullptr);
  if (!chosen) return;
  const std::optional<GameRecord> game = RecordFromRow(history_.Game(chosen->Id));
  if (!game) return;
  for (const JudgedGuess& guess : game->Guesses)
    GuessList->addItem(TextFromBytes(guess.Word + "  " + VerdictText(guess.Verdict) + "  " +
                                     FormatCount(guess.Points)));
}

void THistoryWindow::ModeChosen() {
  RecordsList->clear();
  const std::vector<RecordMode> modes = PlayedModes(rows_);
  const int index = ModeChoice->currentIndex();
  if (index < 0 || index >= static_cast<int>(modes.size())) {
    if (chart_) chart_->Show({});
    return;
  }
  const RecordMode mode = modes[static_cast<size_t>(index)];
  int place = 0;
  for (const ScoreEntry& entry : BestTen(history_.BestScores(mode)))
    new QTreeWidgetItem(RecordsList,
                        {QString::number(++place), TextFromBytes(FormatCount(entry.TotalScore)),
                         TextFromBytes(DateTimeText(entry.PlayedAt))});
  if (!chart_) return;
  std::vector<ProgressPoint> points;
  for (const HistoryRow& row : rows_)
    if (ModeOf(row) == mode)
      points.push_back({row.PlayedAt, row.TotalScore, row.PercentOfPossible});
  std::sort(points.begin(), points.end(),
            [](const ProgressPoint& a, const ProgressPoint& b) { return a.PlayedAt < b.PlayedAt; });
  chart_->Show(points);
}

void THistoryWindow::PlayAgainClick() {
  const HistoryRow* chosen = ChosenGame();
  if (!chosen) return;
  GameRecord game;
  game.Letters = chosen->Letters;
  game.Letters.resize(25, ' ');
  PuzzleRecord record;
  std::copy(game.Letters.begin(), game.Letters.end(), record.PuzzleLetters.begin());
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
  std::vector<GameRecord> games;
  for (const HistoryRow& row : history_.Games())
    if (std::optional<GameRecord> game = RecordFromRow(history_.Game(row.Id)))
      games.push_back(std::move(*game));
  const QByteArray bytes = TextFromBytes(HistoryCsv(games)).toUtf8();
  if (ReplaceFileContents(PathToBytes(chosen), bytes.constData(),
                          static_cast<size_t>(bytes.size())) != ReplaceFileResult::Ok)
    platform.ShowMessage(this, "Unable to export the game history.", "Error");
}

void THistoryWindow::DeleteClick() {
  const HistoryRow* chosen = ChosenGame();
  if (!chosen) return;
  const QString text = "Delete the game of " + TextFromBytes(DateTimeText(chosen->PlayedAt)) +
                       " (UTC) from the history?";
  if (!host.Services().Confirm(this, text, kCaption)) return;
  history_.Remove(chosen->Id);
  Reload();
}

void THistoryWindow::DeleteAllClick() {
  if (rows_.empty()) return;
  const QString text =
      "Delete all " + TextFromBytes(FormatCount(std::ssize(rows_))) + " games from the history?";
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

#include "windows/history/game_list_model.h"

#include <algorithm>

#include "platform/game_history.h"
#include "platform/qt_text.h"

namespace {

// Lines read at once: more than a list shows, few enough to read in a blink.
constexpr int kPage = 64;
// Lines kept; a player who scrolls through everything starts afresh beyond this.
constexpr std::size_t kMostLinesKept = 8 * 1024;

}  // namespace

GameListModel::GameListModel(QObject* parent, GameHistory& history)
    : QAbstractTableModel(parent), history_(history) {}

void GameListModel::Reload(const std::string& gameMode) {
  gameMode_ = gameMode;
  beginResetModel();
  ReadOrder();
  lines_.clear();
  endResetModel();
}

void GameListModel::ReadOrder() {
  std::vector<HistoryRow> keys = history_.SortKeys(column_, gameMode_);
  std::sort(keys.begin(), keys.end(), [&](const HistoryRow& a, const HistoryRow& b) {
    return descending_ ? GameLess(b, a, column_) : GameLess(a, b, column_);
  });
  ids_.clear();
  ids_.reserve(keys.size());
  for (const HistoryRow& key : keys) ids_.push_back(key.Id);
}

std::optional<HistoryRow> GameListModel::GameOn(int row) const {
  const HistoryRow* line = Line(row);
  if (!line || line->Id == 0) return std::nullopt;
  return *line;
}

int GameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

int GameListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGameColumns;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole && index.column() >= static_cast<int>(GameColumn::Score))
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  const HistoryRow* line = Line(index.row());
  if (!line || line->Id == 0) return {};
  const auto column = static_cast<std::size_t>(index.column());
  const QString text = TextFromBytes(GameLine(*line)[column]);
  // A screen reader reads a cell on its own: it says which column it is in.
  if (role == Qt::AccessibleTextRole) return QString(GameColumnTitles()[column]) + ": " + text;
  return text;
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return QString(GameColumnTitles()[static_cast<std::size_t>(section)]);
}

void GameListModel::sort(int column, Qt::SortOrder order) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<int64_t> chosen;
  for (const QModelIndex& index : before)
    chosen.push_back(ids_[static_cast<std::size_t>(index.row())]);

  column_ = static_cast<GameColumn>(column);
  descending_ = order == Qt::DescendingOrder;
  ReadOrder();

  std::unordered_map<int64_t, int> rowOf;
  for (std::size_t row = 0; row < ids_.size(); ++row) rowOf[ids_[row]] = static_cast<int>(row);
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i) {
    const auto found = rowOf.find(chosen[static_cast<std::size_t>(i)]);
    after.push_back(found == rowOf.end() ? QModelIndex()
                                         : index(found->second, before[i].column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

const HistoryRow* GameListModel::Line(int row) const {
  if (row < 0 || row >= rowCount()) return nullptr;
  const int64_t id = ids_[static_cast<std::size_t>(row)];
  if (const auto known = lines_.find(id); known != lines_.end()) return &known->second;
  if (lines_.size() > kMostLinesKept) lines_.clear();
  std::vector<int64_t> page;
  const int first = row / kPage * kPage;
  for (int r = first; r < std::min(first + kPage, rowCount()); ++r)
    if (!lines_.contains(ids_[static_cast<std::size_t>(r)]))
      page.push_back(ids_[static_cast<std::size_t>(r)]);
  for (const int64_t wanted : page) lines_[wanted] = HistoryRow();  // Id 0 until read
  for (HistoryRow& read : history_.Summaries(page)) {
    const int64_t readId = read.Id;
    lines_[readId] = std::move(read);
  }
  return &lines_[id];
}

// The history module: the game history in an SQLite file through Qt Sql, and the
// progress chart on Qt Charts. Neither library is linked into the game itself.

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileInfo>
#include <QLineSeries>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QValueAxis>
#include <QVariant>
#include <atomic>
#include <set>

#include "platform/game_history.h"
#include "platform/plugin_modules.h"

namespace {

constexpr int kSchemaVersion = 4;

// Step n takes a file of version n - 1 to version n. A step, once released, never changes:
// a later version of the game adds a step.
const std::vector<std::vector<const char*>> kMigrations = {
    {"CREATE TABLE games (id INTEGER PRIMARY KEY AUTOINCREMENT, played_at INTEGER NOT NULL, "
     "height INTEGER NOT NULL, width INTEGER NOT NULL, letters TEXT NOT NULL, "
     "american INTEGER NOT NULL, minimum_word_length INTEGER NOT NULL, "
     "repeating_letters INTEGER NOT NULL, game_seconds INTEGER NOT NULL, "
     "total_score INTEGER NOT NULL, found_words INTEGER NOT NULL, "
     "possible_word_count INTEGER NOT NULL, percent_of_possible REAL NOT NULL, "
     "board_of_the_day TEXT NOT NULL, guesses TEXT NOT NULL, possible_words TEXT NOT NULL)",
     "CREATE INDEX games_by_mode ON games (height, width, game_seconds, american, "
     "total_score DESC, played_at)",
     "CREATE INDEX games_by_date ON games (played_at)"},
    // The language each game was played in; records are kept for each language.
    {"ALTER TABLE games ADD COLUMN language TEXT NOT NULL DEFAULT 'en'", "DROP INDEX games_by_mode",
     "CREATE INDEX games_by_mode ON games (language, height, width, game_seconds, american, "
     "total_score DESC, played_at)"},
    // The game mode and the mark of a game played with hints; every earlier game was a
    // Classic game without them.
    {"ALTER TABLE games ADD COLUMN mode TEXT NOT NULL DEFAULT 'classic'",
     "ALTER TABLE games ADD COLUMN with_hints INTEGER NOT NULL DEFAULT 0",
     "DROP INDEX games_by_mode",
     "CREATE INDEX games_by_mode ON games (language, height, width, game_seconds, american, "
     "mode, with_hints, total_score DESC, played_at)"},
    // Whether a game was played in a match on the local network.
    {"ALTER TABLE games ADD COLUMN match_game INTEGER NOT NULL DEFAULT 0"},
};

constexpr const char* kSummaryColumns =
    "id, played_at, height, width, letters, american, minimum_word_length, repeating_letters, "
    "game_seconds, total_score, found_words, possible_word_count, percent_of_possible, "
    "board_of_the_day, language, mode, with_hints, match_game";
constexpr int kSummaryColumnCount = 18;
// The summary's columns, then the two lists.
const QString kAllColumns = QString(kSummaryColumns) + ", guesses, possible_words";
constexpr const char* kOfMode =
    "language = ? AND height = ? AND width = ? AND game_seconds = ? AND american = ? AND "
    "mode = ?";

// The games a list may show: IsSoundRow's checks of the columns the index of modes holds,
// so that a listing reads that index and never the whole file. (The "+" keeps the index
// of dates out of it, which SQLite would otherwise take for the range of dates, reading
// every game's row for the rest.)
const QString kSoundDate = QString("+played_at BETWEEN 0 AND %1").arg(kLatestPlayedAt);
const QString kSoundRow =
    "height IN (4, 5) AND width IN (4, 5) AND game_seconds >= 0 AND " + kSoundDate;

bool IsSoundMode(const RecordMode& mode) {
  return (mode.Height == 4 || mode.Height == 5) && (mode.Width == 4 || mode.Width == 5) &&
         mode.GameSeconds >= 0;
}

enum class Trouble {
  Foreign,
  Damaged,
  Newer,
  ReadOnly,
  InUse,
  DiskFull,
  InputOutput,
  Failed,
  BadRows
};
// What the player was doing when the trouble was met: the same trouble is told again for
// another action, since its consequence differs.
enum class Action { Open, Record, Show, Delete };

// SQLite's primary result codes, as Qt Sql reports them.
constexpr int kError = 1;  // as for a column the table lacks
constexpr int kPermission = 3;
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kInputOutput = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kCannotOpen = 14;
constexpr int kNotADatabase = 26;

// Below this much free room the disk counts as full, whatever the error said.
constexpr qint64 kRoomNeeded = 256 * 1024;

int ErrorCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string Bytes(const QVariant& value) { return value.toString().toLatin1().toStdString(); }

// The first bytes of the file, read without blocking on a pipe or a device.
QByteArray FileStart(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {};
  char buffer[16];
  const ssize_t got = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  return got > 0 ? QByteArray(buffer, static_cast<qsizetype>(got)) : QByteArray();
}

bool Writable(const QString& path) {
  return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

bool LittleRoomIn(const QString& folder) {
  struct statvfs status {};
  return ::statvfs(QFile::encodeName(folder).constData(), &status) == 0 &&
         static_cast<qint64>(status.f_bavail * status.f_frsize) < kRoomNeeded;
}

// The columns a sort by `column` reads besides id and date, as SortKeys reads them.
QString SortColumns(GameColumn column) {
  switch (column) {
    case GameColumn::Size:
      return ", height, width";
    case GameColumn::Dictionary:
      return ", american";
    case GameColumn::Length:
      return ", game_seconds";
    case GameColumn::Mode:
      return ", mode, with_hints";
    case GameColumn::Score:
      return ", total_score";
    case GameColumn::Found:
      return ", found_words, possible_word_count";
    case GameColumn::Percent:
      return ", percent_of_possible";
    case GameColumn::Date:
      break;
  }
  return "";
}

QString Problem(::Trouble trouble) {
  switch (trouble) {
    case ::Trouble::Newer:
      return "The game history file was written by a newer version of the game.";
    case ::Trouble::ReadOnly:
      return "The game history file may not be written.";
    case ::Trouble::InUse:
      return "The game history file is in use by another program.";
    case ::Trouble::DiskFull:
      return "The game history could not be written to the disk; it may be full.";
    case ::Trouble::InputOutput:
      return "The game history file could not be read from the disk or written to it.";
    default:
      return "The game history file could not be used.";
  }
}

QString Consequence(::Trouble trouble, Action action) {
  switch (action) {
    case Action::Open:
      return "It is left as it is, and the games of this run are not recorded.";
    case Action::Record:
      return trouble == ::Trouble::DiskFull
                 ? "This game is not recorded, and every earlier game is kept."
                 : "This game is not recorded.";
    case Action::Show:
      return "It is left as it is.";
    case Action::Delete:
      break;
  }
  return "Nothing was deleted.";
}

class SqlHistory : public GameHistory {
 public:
  SqlHistory(QString path, int busyMs)
      : path_(std::move(path)),
        busyMs_(busyMs),
        connection_("tolvane_history_" + QString::number(++connections_)) {}

  ~SqlHistory() override {
    Close();
    QSqlDatabase::removeDatabase(connection_);
  }

  int64_t Add(const HistoryRow& row) override {
    const int64_t id = AddOnce(row);
    // A damaged file met on the way is set aside: the game goes into the new one.
    return id == 0 && damaged_ ? AddOnce(row) : id;
  }

  std::vector<HistoryRow> SortKeys(GameColumn column, const std::string& gameMode) override {
    std::vector<HistoryRow> keys;
    if (!Ready(Action::Show)) return keys;
    // Only the figures of the column, from the index of modes where it holds them (all
    // columns but two): a hundred thousand games read in a blink.
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.prepare(QString("SELECT id, played_at%1 FROM games WHERE %2%3")
                      .arg(SortColumns(column), kSoundRow,
                           gameMode.empty() ? QString() : QString(" AND mode = ?")));
    if (!gameMode.empty()) query.addBindValue(Latin1(gameMode));
    if (!Run(query)) return keys;
    while (query.next()) {
      HistoryRow& key = keys.emplace_back();
      key.Id = query.value(0).toLongLong();
      key.PlayedAt = query.value(1).toLongLong();
      switch (column) {
        case GameColumn::Size:
          key.Height = query.value(2).toInt();
          key.Width = query.value(3).toInt();
          break;
        case GameColumn::Dictionary:
          key.AmericanDictionary = query.value(2).toBool();
          break;
        case GameColumn::Length:
          key.GameSeconds = query.value(2).toInt();
          break;
        case GameColumn::Mode:
          key.Mode = Bytes(query.value(2));
          key.WithHints = query.value(3).toBool();
          break;
        case GameColumn::Score:
          key.TotalScore = query.value(2).toLongLong();
          break;
        case GameColumn::Found:
          key.FoundWords = query.value(2).toLongLong();
          key.PossibleWordCount = query.value(3).toLongLong();
          break;
        case GameColumn::Percent:
          key.PercentOfPossible = query.value(2).toDouble();
          break;
        case GameColumn::Date:
          break;
      }
    }
    return keys;
  }

  std::vector<HistoryRow> Summaries(const std::vector<int64_t>& ids) override {
    std::vector<HistoryRow> rows;
    if (ids.empty() || !Ready(Action::Show)) return rows;
    QStringList list;
    for (const int64_t id : ids) list << QString::number(id);
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (!Run(query,
             QString("SELECT %1 FROM games WHERE id IN (%2)").arg(kSummaryColumns, list.join(','))))
      return rows;
    while (query.next()) rows.push_back(Summary(query));
    return rows;
  }

  HistoryRow Game(int64_t id) override {
    if (!Ready(Action::Show)) return {};
    QSqlQuery query(Db());
    query.prepare(QString("SELECT %1 FROM games WHERE id = ?").arg(kAllColumns));
    query.addBindValue(static_cast<qlonglong>(id));
    if (!Run(query) || !query.next()) return {};
    return Whole(query);
  }

  bool EachGame(const std::function<void(const HistoryRow&)>& take) override {
    if (!Ready(Action::Show)) return false;
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (!Run(query, QString("SELECT %1 FROM games WHERE %2 ORDER BY played_at DESC, id DESC")
                        .arg(kAllColumns, kSoundRow)))
      return false;
    while (query.next()) take(Whole(query));
    if (!query.lastError().isValid()) return true;
    if (!SetAsideIfDamaged(query.lastError())) TellError(query.lastError(), Action::Show);
    return false;
  }

  std::vector<RecordMode> Modes() override {
    std::set<RecordMode> modes;
    if (!Ready(Action::Show)) return {};
    // One walk through the index of modes finds the modes and the games left out.
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (!Run(query, "SELECT language, height, width, game_seconds, american, mode, count(*), "
                    "sum(NOT (" +
                        kSoundDate + ")) FROM games GROUP BY 1, 2, 3, 4, 5, 6"))
      return {};
    qlonglong leftOut = 0;
    while (query.next()) {
      const RecordMode mode{query.value(1).toInt(),  query.value(2).toInt(),
                            query.value(3).toInt(),  query.value(4).toBool(),
                            Bytes(query.value(0)), Bytes(query.value(5))};
      const qlonglong games = query.value(6).toLongLong();
      const qlonglong badDates = IsSoundMode(mode) ? query.value(7).toLongLong() : games;
      leftOut += badDates;
      if (games > badDates) modes.insert(mode);
    }
    if (leftOut > 0) Tell(::Trouble::BadRows, Action::Show, QString::number(leftOut));
    return {modes.begin(), modes.end()};
  }

  std::vector<ScoreEntry> BestScores(const RecordMode& mode) override {
    std::vector<ScoreEntry> entries;
    if (!IsSoundMode(mode) || !Ready(Action::Show)) return entries;
    QSqlQuery query(Db());
    // A game played with hints is kept, but is no record.
    query.prepare(QString("SELECT id, played_at, total_score FROM games WHERE %1 AND %2 AND "
                          "with_hints = 0 ORDER BY total_score DESC, played_at, id LIMIT ?")
                      .arg(kSoundDate, kOfMode));
    BindMode(query, mode);
    query.addBindValue(static_cast<int>(kRecordPlaces + 1));
    if (!Run(query)) return entries;
    while (query.next())
      entries.push_back(
          {query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toLongLong()});
    return entries;
  }

  std::vector<ProgressPoint> Progress(const RecordMode& mode) override {
    std::vector<ProgressPoint> points;
    if (!IsSoundMode(mode) || !Ready(Action::Show)) return points;
    // The last games found in the index first: only their rows are read from the table.
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.prepare(QString("SELECT played_at, total_score, percent_of_possible FROM games "
                          "WHERE id IN (SELECT id FROM games WHERE %1 AND %2 "
                          "ORDER BY played_at DESC, id DESC LIMIT ?) ORDER BY played_at, id")
                      .arg(kSoundDate, kOfMode));
    BindMode(query, mode);
    query.addBindValue(static_cast<int>(kChartedGames));
    if (!Run(query)) return points;
    while (query.next())
      points.push_back(
          {query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toDouble()});
    return points;
  }

  bool Remove(int64_t id) override {
    return Delete([&](QSqlQuery& query) {
      query.prepare("DELETE FROM games WHERE id = ?");
      query.addBindValue(static_cast<qlonglong>(id));
      return query.exec();
    });
  }

  bool RemoveAll() override {
    return Delete([](QSqlQuery& query) { return query.exec("DELETE FROM games"); });
  }

  std::string Trouble() override {
    if (damaged_) Ready(Action::Show);
    std::string told;
    told.swap(news_);
    return told;
  }

 private:
  QSqlDatabase Db() const { return QSqlDatabase::database(connection_, false); }

  int64_t AddOnce(const HistoryRow& row) {
    if (!Ready(Action::Record)) return 0;
    QSqlQuery query(Db());
    int64_t id = 0;
    const bool written = Write(Action::Record, [&] {
      query.prepare(
          "INSERT INTO games (played_at, height, width, letters, american, "
          "minimum_word_length, repeating_letters, game_seconds, total_score, found_words, "
          "possible_word_count, percent_of_possible, board_of_the_day, guesses, possible_words, "
          "language, mode, with_hints, match_game) "
          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
      for (const QVariant& value :
           {QVariant(static_cast<qlonglong>(row.PlayedAt)), QVariant(row.Height),
            QVariant(row.Width), QVariant(Latin1(row.Letters)), QVariant(row.AmericanDictionary),
            QVariant(row.MinimumWordLength), QVariant(row.RepeatingLettersAllowed),
            QVariant(row.GameSeconds), QVariant(static_cast<qlonglong>(row.TotalScore)),
            QVariant(static_cast<qlonglong>(row.FoundWords)),
            QVariant(static_cast<qlonglong>(row.PossibleWordCount)),
            QVariant(row.PercentOfPossible), QVariant(Latin1(row.BoardOfTheDay)),
            QVariant(Latin1(row.Guesses)), QVariant(Latin1(row.PossibleWords)),
            QVariant(Latin1(row.LanguageCode)), QVariant(Latin1(row.Mode)),
            QVariant(row.WithHints), QVariant(row.Match)})
        query.addBindValue(value);
      if (!query.exec()) return query.lastError();
      id = query.lastInsertId().toLongLong();
      return QSqlError();
    });
    return written ? id : 0;
  }

  template <typename Statement>
  bool Delete(Statement statement) {
    if (!Ready(Action::Delete)) return false;
    QSqlQuery query(Db());
    if (!Write(Action::Delete, [&] { return statement(query) ? QSqlError() : query.lastError(); }))
      return false;
    GiveRoomBack();
    return true;
  }

  // Deleted games leave empty pages in the file, kept for later games. Once they are a
  // good part of it the file is written anew without them, and the log, which holds a
  // copy of every page changed, is emptied: a full disk gets its room back. Neither is
  // needed for the deletion itself, so a failure here is not one to tell.
  void GiveRoomBack() {
    QSqlQuery query(Db());
    const auto number = [&](const char* pragma) {
      return query.exec(pragma) && query.next() ? query.value(0).toLongLong() : 0;
    };
    const qlonglong empty = number("PRAGMA freelist_count");
    const qlonglong pages = number("PRAGMA page_count");
    if (empty * 4 > pages) query.exec("VACUUM");
    query.exec("PRAGMA wal_checkpoint(TRUNCATE)");
  }

  void BindMode(QSqlQuery& query, const RecordMode& mode) {
    for (const QVariant& value :
         {QVariant(Latin1(mode.LanguageCode)), QVariant(mode.Height), QVariant(mode.Width),
          QVariant(mode.GameSeconds), QVariant(mode.AmericanDictionary),
          QVariant(Latin1(mode.Mode))})
      query.addBindValue(value);
  }

  void Tell(::Trouble trouble, Action action, const QString& kept = {}) {
    if (!told_.insert({trouble, action}).second) return;
    const QString name = QDir::toNativeSeparators(kept);
    QString text;
    switch (trouble) {
      case ::Trouble::Foreign:
        text = "The game history file was not one the game can read. It was kept as " + name +
               ", and a new history was started.";
        break;
      case ::Trouble::Damaged:
        text = "The game history file was damaged. It was kept as " + name +
               ", and a new history was started.";
        break;
      case ::Trouble::BadRows:
        text = "The game history file holds " + kept +
               " games that do not read as games of this game (a board size, date or game "
               "length out of range). They are left out, and left as they are in the file.";
        break;
      default:
        text = Problem(trouble) + " " + Consequence(trouble, action);
    }
    if (!news_.empty()) news_ += "\n\n";
    news_ += text.toStdString();
  }

  ::Trouble TroubleOf(const QSqlError& error) const {
    switch (ErrorCode(error)) {
      case kFull:
        return ::Trouble::DiskFull;
      case kInputOutput:  // a write refused by the file system, or a failing disk
        return LittleRoomIn(QFileInfo(path_).absolutePath()) ? ::Trouble::DiskFull
                                                             : ::Trouble::InputOutput;
      case kBusy:
      case kLocked:
        return ::Trouble::InUse;
      case kReadOnly:
      case kPermission:
        return ::Trouble::ReadOnly;
      case kCannotOpen: {
        const QString folder = QFileInfo(path_).absolutePath();
        if (!Writable(folder)) return ::Trouble::ReadOnly;
        return LittleRoomIn(folder) ? ::Trouble::DiskFull : ::Trouble::InputOutput;
      }
      default:
        return ::Trouble::Failed;
    }
  }

  void TellError(const QSqlError& error, Action action) { Tell(TroubleOf(error), action); }

  bool Run(QSqlQuery& query, const QString& sql = {}) {
    if (sql.isEmpty() ? query.exec() : query.exec(sql)) return true;
    if (!SetAsideIfDamaged(query.lastError())) TellError(query.lastError(), Action::Show);
    return false;
  }

  // Damage met in use: once no query is left running, the file is kept aside and a new
  // one started, as at opening (see Ready).
  bool SetAsideIfDamaged(const QSqlError& error) {
    const int code = ErrorCode(error);
    if (code != kCorrupt && code != kNotADatabase) return false;
    damaged_ = true;
    return true;
  }

  // One transaction: all of `body` is written, or none of it.
  template <typename Body>
  bool Write(Action action, Body body) {
    QSqlQuery control(Db());
    if (!control.exec("BEGIN IMMEDIATE")) {
      if (!SetAsideIfDamaged(control.lastError())) TellError(control.lastError(), action);
      return false;
    }
    QSqlError error = body();
    if (!error.isValid() && control.exec("COMMIT")) return true;
    if (!error.isValid()) error = control.lastError();
    control.exec("ROLLBACK");
    if (!SetAsideIfDamaged(error)) TellError(error, action);
    return false;
  }

  static HistoryRow Summary(const QSqlQuery& query) {
    HistoryRow row;
    row.Id = query.value(0).toLongLong();
    row.PlayedAt = query.value(1).toLongLong();
    row.Height = query.value(2).toInt();
    row.Width = query.value(3).toInt();
    row.Letters = Bytes(query.value(4));
    row.AmericanDictionary = query.value(5).toBool();
    row.MinimumWordLength = query.value(6).toInt();
    row.RepeatingLettersAllowed = query.value(7).toBool();
    row.GameSeconds = query.value(8).toInt();
    row.TotalScore = query.value(9).toLongLong();
    row.FoundWords = query.value(10).toLongLong();
    row.PossibleWordCount = query.value(11).toLongLong();
    row.PercentOfPossible = query.value(12).toDouble();
    row.BoardOfTheDay = Bytes(query.value(13));
    row.LanguageCode = Bytes(query.value(14));
    row.Mode = Bytes(query.value(15));
    row.WithHints = query.value(16).toBool();
    row.Match = query.value(17).toBool();
    return row;
  }

  static HistoryRow Whole(const QSqlQuery& query) {
    HistoryRow row = Summary(query);
    row.Guesses = Bytes(query.value(kSummaryColumnCount));
    row.PossibleWords = Bytes(query.value(kSummaryColumnCount + 1));
    return row;
  }

  // Opens the file on first use, and again after another copy of the game kept it busy
  // or the disk refused a write. Recording and deleting need it writable; a file that
  // cannot be written is still read, so that the player sees their games.
  bool Ready(Action action) {
    if (damaged_) {
      damaged_ = false;
      Close();
      if (readOnly_) {
        Tell(::Trouble::Failed, action);
        return false;
      }
      if (!KeepAside(::Trouble::Damaged)) return false;
    }
    if (open_) {
      const bool served = Serves(action);
      if (served || lastingReadOnly_) return served;
      Close();  // read-only as the disk refused a write: it may take one again
    }
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
      Tell(::Trouble::Failed, action);
      return false;
    }
    const QByteArray start = FileStart(path_);
    if (!start.isEmpty() && !start.startsWith(QByteArray("SQLite format 3", 16))) {
      if (!KeepAside(::Trouble::Foreign)) return false;
    } else if (QFileInfo::exists(path_) && !QFileInfo(path_).isFile()) {
      if (!KeepAside(::Trouble::Foreign)) return false;
    }
    lastingReadOnly_ = QFileInfo::exists(path_) &&
                       (!Writable(path_) || !Writable(QFileInfo(path_).absolutePath()));
    readOnly_ = lastingReadOnly_;
    Opened opened = Open();
    if (opened == Opened::Refused) {
      // The disk would not take the log beside the file: the games are still read.
      Close();
      Tell(refusal_, action);
      readOnly_ = true;
      opened = QFileInfo::exists(path_) ? Open() : Opened::No;
    }
    switch (opened) {
      case Opened::Yes:
        open_ = true;
        if (lastingReadOnly_) Tell(LastingTrouble(), Action::Open);
        return Serves(action);
      case Opened::Busy:
        Close();
        Tell(::Trouble::InUse, action);
        return false;
      case Opened::Damaged:
      case Opened::Foreign: {
        const ::Trouble why = opened == Opened::Damaged ? ::Trouble::Damaged : ::Trouble::Foreign;
        Close();
        if (readOnly_) {
          if (lastingReadOnly_) Tell(::Trouble::ReadOnly, Action::Open);
          return false;
        }
        if (!KeepAside(why)) return false;
        if (Open() == Opened::Yes) {
          open_ = true;
          return true;
        }
        break;
      }
      case Opened::Refused:
      case Opened::No:
        break;
    }
    Close();
    return false;
  }

  ::Trouble LastingTrouble() const { return newer_ ? ::Trouble::Newer : ::Trouble::ReadOnly; }

  // Whether the open file serves `action`. Reading it always does; a file that cannot be
  // written was told of at opening, as not recording this run's games, but a deletion
  // it refuses is told as well.
  bool Serves(Action action) {
    if (action == Action::Show || action == Action::Open || !readOnly_) return true;
    if (lastingReadOnly_ && action == Action::Delete) Tell(LastingTrouble(), action);
    return false;
  }

  enum class Opened { Yes, No, Busy, Damaged, Foreign, Refused };

  // A read-only connection never writes beside the file, not even the log's index, which
  // a folder the player may not write would refuse. The file is taken as it is
  // ("immutable"); only where a log of games not yet in the file lies beside it is it
  // read with the log ("mode=ro").
  QString ReadOnlyName() const {
    QUrl url = QUrl::fromLocalFile(path_);
    url.setQuery(QFileInfo(path_ + "-wal").size() > 0 ? "mode=ro" : "immutable=1");
    return url.toString(QUrl::FullyEncoded);
  }

  Opened Open() {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    QString options = "QSQLITE_BUSY_TIMEOUT=" + QString::number(busyMs_);
    if (readOnly_) {
      db.setDatabaseName(ReadOnlyName());
      options += ";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI";
    } else {
      db.setDatabaseName(path_);
    }
    db.setConnectOptions(options);
    if (!db.open()) return Failure(db.lastError());
    QSqlQuery query(db);
    if (!query.exec("PRAGMA user_version") || !query.next()) return Failure(query.lastError());
    const int version = query.value(0).toInt();
    // Another program's database: never to be written into.
    if (version == 0 && (!query.exec("SELECT count(*) FROM sqlite_master") || !query.next() ||
                         query.value(0).toInt() > 0))
      return Opened::Foreign;
    if (version > kSchemaVersion) {
      newer_ = lastingReadOnly_ = readOnly_ = true;
      return Opened::Yes;
    }
    // Walking the list of games finds a damaged file at once. A full check would read
    // every page, far too slow for the first opening; damage found later is met in Run.
    if (version > 0 && (!query.exec("SELECT count(*) FROM games") || !query.next()))
      return Failure(query.lastError());
    // Checked before anything is written, so that a file kept aside stays as it was.
    if (version == kSchemaVersion)
      if (const Opened columns = WithGameColumns(query); columns != Opened::Yes) return columns;
    if (readOnly_) return version == kSchemaVersion ? Opened::Yes : Opened::No;
    // A file of this version is not written to until a game is recorded. An older one is
    // brought up to date before the log is switched on, so that one whose tables do not
    // fit a step is kept aside as it was.
    query.finish();  // no read may be left open while the steps are committed
    if (version < kSchemaVersion) {
      // A step that does not fit the file's tables: the file is not what its version says.
      if (!Migrate()) return ErrorCode(lastError_) == kError ? Opened::Damaged : Failure(lastError_);
      if (const Opened columns = WithGameColumns(query); columns != Opened::Yes) return columns;
    }
    // Write-ahead: a reader never waits for a writer, and a killed game leaves every
    // finished transaction in the file. A deleted game's pages are not wiped one by one
    // (the system library's default), which would copy the whole file into the log.
    if (!query.exec("PRAGMA journal_mode = WAL") || !query.exec("PRAGMA synchronous = NORMAL") ||
        !query.exec("PRAGMA secure_delete = FAST"))
      return Failure(query.lastError());
    return Opened::Yes;
  }

  // A table without the columns the game reads is no history of this game, whatever its
  // version says.
  Opened WithGameColumns(QSqlQuery& query) {
    if (query.exec(QString("SELECT %1 FROM games LIMIT 0").arg(kAllColumns))) return Opened::Yes;
    return ErrorCode(query.lastError()) == kError ? Opened::Damaged : Failure(query.lastError());
  }

  // Only SQLite's own word that the file is damaged keeps it aside; a file the disk or the
  // folder will not let be written is left where it is.
  Opened Failure(const QSqlError& error) {
    const int code = ErrorCode(error);
    if (code == kBusy || code == kLocked) return Opened::Busy;
    if (code == kCorrupt || code == kNotADatabase) return Opened::Damaged;
    const ::Trouble trouble = TroubleOf(error);
    if (!readOnly_ && (trouble == ::Trouble::DiskFull || trouble == ::Trouble::InputOutput ||
                       trouble == ::Trouble::ReadOnly)) {
      refusal_ = trouble;
      return Opened::Refused;
    }
    Tell(trouble, Action::Show);
    return Opened::No;
  }

  // Brings the file up to this version; another copy may be doing the same at once.
  bool Migrate() {
    QSqlQuery query(Db());
    if (!query.exec("BEGIN IMMEDIATE")) {
      lastError_ = query.lastError();
      return false;
    }
    if (query.exec("PRAGMA user_version") && query.next()) {
      const int from = query.value(0).toInt();
      bool ok = true;
      for (int step = from; ok && step < kSchemaVersion; ++step)
        for (const char* sql : kMigrations[static_cast<size_t>(step)]) ok = ok && query.exec(sql);
      ok = ok &&
           query.exec("PRAGMA user_version = " + QString::number(std::max(from, kSchemaVersion)));
      if (ok && query.exec("COMMIT")) return true;
    }
    lastError_ = query.lastError();
    query.exec("ROLLBACK");
    return false;
  }

  void Close() {
    {
      QSqlDatabase db = Db();
      if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    open_ = false;
  }

  // Renames the file (and the journal beside it) out of the way, never over another.
  bool KeepAside(::Trouble why) {
    const QString stamp = QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss");
    QString kept = path_ + ".kept-" + stamp;
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo::exists(kept + "-wal"); ++n)
      kept = path_ + ".kept-" + stamp + "-" + QString::number(n);
    if (::rename(QFile::encodeName(path_).constData(), QFile::encodeName(kept).constData()) != 0) {
      Tell(::Trouble::Failed, Action::Show);
      return false;
    }
    for (const char* companion : {"-wal", "-shm"})
      if (QFileInfo::exists(path_ + companion))
        ::rename(QFile::encodeName(path_ + companion).constData(),
                 QFile::encodeName(kept + companion).constData());
    Tell(why, Action::Open, kept);
    return true;
  }

  static inline std::atomic<int> connections_ = 0;
  QString path_;
  int busyMs_;
  QString connection_;
  bool open_ = false;
  bool readOnly_ = false;
  // Read-only for the whole run: a file or folder the player may not write, or a newer
  // version's file. Otherwise a read-only connection is tried as writable again.
  bool lastingReadOnly_ = false;
  bool newer_ = false;
  bool damaged_ = false;  // met in use, to be set aside before the next use
  ::Trouble refusal_ = ::Trouble::Failed;
  QSqlError lastError_;
  std::set<std::pair<::Trouble, Action>> told_;
  std::string news_;
};

class ChartOfProgress : public ProgressChart {
 public:
  explicit ChartOfProgress(QWidget* parent) : view_(new QChartView(parent)) {
    view_->setObjectName("ProgressChart");
    view_->setAccessibleName("Progress chart");
    view_->setRenderHint(QPainter::Antialiasing);
  }
  QWidget* Widget() override { return view_; }

  void Show(const ProgressView& view) override {
    const std::vector<ProgressPoint>& points = view.Points;
    auto* chart = new QChart;
    auto* score = new QLineSeries;
    score->setName("Score");
    auto* percent = new QLineSeries;
    percent->setName("% of possible points");
    for (const ProgressPoint& point : points) {
      const qreal when = static_cast<qreal>(point.PlayedAt) * 1000;
      score->append(when, static_cast<qreal>(point.Score));
      percent->append(when, point.PercentOfPossible);
    }
    // A line needs two games; each game is a dot as well, so that the first one shows.
    for (QLineSeries* series : {score, percent}) {
      series->setPointsVisible(true);
      chart->addSeries(series);
    }
    auto* time = new QDateTimeAxis;
    time->setFormat(QString::fromStdString(view.TimeLabels));
    time->setTitleText("Date (UTC)");
    if (!points.empty())
      time->setRange(QDateTime::fromSecsSinceEpoch(points.front().PlayedAt, Qt::UTC),
                     QDateTime::fromSecsSinceEpoch(points.back().PlayedAt + 60, Qt::UTC));
    const ScoreScale& scale = view.Scores;
    auto* scores = new QValueAxis;
    scores->setTitleText("Score");
    scores->setLabelFormat("%d");
    scores->setRange(static_cast<qreal>(scale.Low), static_cast<qreal>(scale.High));
    scores->setTickCount(scale.TickCount());
    auto* percents = new QValueAxis;
    percents->setTitleText("% of possible points");
    percents->setRange(0, 100);
    percents->setGridLineVisible(false);  // the score's lines are the chart's grid
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(scores, Qt::AlignLeft);
    chart->addAxis(percents, Qt::AlignRight);
    score->attachAxis(time);
    score->attachAxis(scores);
    percent->attachAxis(time);
    percent->attachAxis(percents);
    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    view_->setAccessibleDescription(QString::fromLatin1(view.Description));
  }

 private:
  QChartView* view_;
};

}  // namespace

extern "C" Q_DECL_EXPORT GameHistory* TolvaneOpenHistory(const char* path, int busyMs) {
  return new SqlHistory(QFile::decodeName(path), busyMs);
}

extern "C" Q_DECL_EXPORT ProgressChart* TolvaneMakeProgressChart(QWidget* parent) {
  return new ChartOfProgress(parent);
}

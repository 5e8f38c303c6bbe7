// The history module: the game history in an SQLite file through Qt Sql, and the
// progress chart on Qt Charts. Neither library is linked into the game itself.

#include <fcntl.h>
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
#include <QValueAxis>
#include <QVariant>
#include <atomic>
#include <set>

#include "platform/game_history.h"
#include "platform/plugin_modules.h"

namespace {

constexpr int kSchemaVersion = 3;

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

enum class Trouble { Foreign, Damaged, Newer, ReadOnly, InUse, DiskFull, Failed };

// SQLite's primary result codes, as Qt Sql reports them.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kInputOutput = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kNotADatabase = 26;

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

  int64_t AddOnce(const HistoryRow& row) {
    if (!Ready() || readOnly_) return 0;
    QSqlQuery query(Db());
    int64_t id = 0;
    const bool written = Write([&] {
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

  std::vector<HistoryRow> Games() override {
    std::vector<HistoryRow> rows;
    if (!Ready()) return rows;
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (!Run(query,
             QString("SELECT %1 FROM games ORDER BY played_at DESC, id DESC").arg(kSummaryColumns)))
      return rows;
    while (query.next()) rows.push_back(Summary(query));
    return rows;
  }

  HistoryRow Game(int64_t id) override {
    if (!Ready()) return {};
    QSqlQuery query(Db());
    query.prepare(
        QString("SELECT %1, guesses, possible_words FROM games WHERE id = ?").arg(kSummaryColumns));
    query.addBindValue(static_cast<qlonglong>(id));
    if (!Run(query) || !query.next()) return {};
    HistoryRow row = Summary(query);
    row.Guesses = Bytes(query.value(kSummaryColumnCount));
    row.PossibleWords = Bytes(query.value(kSummaryColumnCount + 1));
    return row;
  }

  std::vector<ScoreEntry> BestScores(const RecordMode& mode) override {
    std::vector<ScoreEntry> entries;
    if (!Ready()) return entries;
    QSqlQuery query(Db());
    query.prepare(
        "SELECT id, played_at, total_score FROM games WHERE height = ? AND width = ? AND "
        "game_seconds = ? AND american = ? AND language = ? AND mode = ? AND with_hints = 0 "
        "ORDER BY total_score DESC, played_at, id LIMIT ?");
    for (const QVariant& value :
         {QVariant(mode.Height), QVariant(mode.Width), QVariant(mode.GameSeconds),
          QVariant(mode.AmericanDictionary), QVariant(Latin1(mode.LanguageCode)),
          QVariant(Latin1(mode.Mode)), QVariant(static_cast<int>(kRecordPlaces + 1))})
      query.addBindValue(value);
    if (!Run(query)) return entries;
    while (query.next())
      entries.push_back(
          {query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toLongLong()});
    return entries;
  }

  bool Remove(int64_t id) override {
    if (!Ready() || readOnly_) return false;
    QSqlQuery query(Db());
    return Write([&] {
      query.prepare("DELETE FROM games WHERE id = ?");
      query.addBindValue(static_cast<qlonglong>(id));
      return query.exec() ? QSqlError() : query.lastError();
    });
  }

  bool RemoveAll() override {
    if (!Ready() || readOnly_) return false;
    QSqlQuery query(Db());
    return Write([&] { return query.exec("DELETE FROM games") ? QSqlError() : query.lastError(); });
  }

  std::string Trouble() override {
    if (damaged_) Ready();
    std::string told;
    told.swap(news_);
    return told;
  }

 private:
  QSqlDatabase Db() const { return QSqlDatabase::database(connection_, false); }

  void Tell(::Trouble trouble, const QString& detail = {}) {
    if (!told_.insert(trouble).second) return;
    const QString name = QDir::toNativeSeparators(detail);
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
      case ::Trouble::Newer:
        text =
            "The game history file was written by a newer version of the game. It is left "
            "as it is, and the games of this run are not recorded.";
        break;
      case ::Trouble::ReadOnly:
        text =
            "The game history file may not be written. It is left as it is, and the games "
            "of this run are not recorded.";
        break;
      case ::Trouble::InUse:
        text = "The game history file is in use by another program. This game is not recorded.";
        break;
      case ::Trouble::DiskFull:
        text =
            "The game could not be written to the disk; it may be full. This game is not "
            "recorded, and every earlier game is kept.";
        break;
      case ::Trouble::Failed:
        text =
            "The game history file could not be used (" + detail + "). This game is not recorded.";
        break;
    }
    if (!news_.empty()) news_ += "\n\n";
    news_ += text.toStdString();
  }

  // Any error of a write, told once by its kind.
  void TellError(const QSqlError& error) {
    switch (ErrorCode(error)) {
      case kFull:
      case kInputOutput:  // a write refused by the file system, as past a size limit
        Tell(::Trouble::DiskFull);
        break;
      case kBusy:
      case kLocked:
        Tell(::Trouble::InUse);
        break;
      case kReadOnly:
        Tell(::Trouble::ReadOnly);
        break;
      default:
        Tell(::Trouble::Failed, error.text());
    }
  }

  bool Run(QSqlQuery& query, const QString& sql = {}) {
    if (sql.isEmpty() ? query.exec() : query.exec(sql)) return true;
    if (!SetAsideIfDamaged(query.lastError())) TellError(query.lastError());
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
  bool Write(Body body) {
    QSqlQuery control(Db());
    if (!control.exec("BEGIN IMMEDIATE")) {
      if (!SetAsideIfDamaged(control.lastError())) TellError(control.lastError());
      return false;
    }
    QSqlError error = body();
    if (!error.isValid() && control.exec("COMMIT")) return true;
    if (!error.isValid()) error = control.lastError();
    control.exec("ROLLBACK");
    if (!SetAsideIfDamaged(error)) TellError(error);
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

  // Opens the file on first use, and again after another copy of the game kept it busy.
  bool Ready() {
    if (damaged_) {
      damaged_ = false;
      Close();
      if (readOnly_) {
        Tell(::Trouble::Failed, "the file is damaged");
        return false;
      }
      if (!KeepAside(::Trouble::Damaged)) return false;
    }
    if (open_) return true;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
      Tell(::Trouble::Failed, "no folder for it");
      return false;
    }
    const QByteArray start = FileStart(path_);
    if (!start.isEmpty() && !start.startsWith(QByteArray("SQLite format 3", 16))) {
      if (!KeepAside(::Trouble::Foreign)) return false;
    } else if (QFileInfo::exists(path_) && !QFileInfo(path_).isFile()) {
      if (!KeepAside(::Trouble::Foreign)) return false;
    }
    readOnly_ = QFileInfo::exists(path_) &&
                (!Writable(path_) || !Writable(QFileInfo(path_).absolutePath()));
    const Opened opened = Open();
    switch (opened) {
      case Opened::Yes:
        return open_ = true;
      case Opened::Busy:
        Close();
        Tell(::Trouble::InUse);
        return false;
      case Opened::Damaged:
      case Opened::Foreign: {
        const ::Trouble why = opened == Opened::Damaged ? ::Trouble::Damaged : ::Trouble::Foreign;
        Close();
        if (readOnly_) {
          Tell(::Trouble::ReadOnly);
          return false;
        }
        if (!KeepAside(why)) return false;
        readOnly_ = false;
        if (Open() == Opened::Yes) return open_ = true;
        break;
      }
      case Opened::No:
        break;
    }
    Close();
    return false;
  }

  enum class Opened { Yes, No, Busy, Damaged, Foreign };

  Opened Open() {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(path_);
    QString options = "QSQLITE_BUSY_TIMEOUT=" + QString::number(busyMs_);
    if (readOnly_) options += ";QSQLITE_OPEN_READONLY";
    db.setConnectOptions(options);
    if (!db.open()) return Failure(db.lastError());
    QSqlQuery query(db);
    if (!query.exec("PRAGMA user_version") || !query.next())
      return Failure(query.lastError(), Opened::Damaged);
    const int version = query.value(0).toInt();
    // Another program's database: never to be written into.
    if (version == 0 && (!query.exec("SELECT count(*) FROM sqlite_master") || !query.next() ||
                         query.value(0).toInt() > 0))
      return Opened::Foreign;
    if (version > kSchemaVersion) {
      Tell(::Trouble::Newer);
      readOnly_ = true;
      return Opened::Yes;
    }
    // Walking the list of games finds a damaged file at once. A full check would read
    // every page, far too slow for the first opening; damage found later is met in Run.
    if (version > 0 && (!query.exec("SELECT count(*) FROM games") || !query.next()))
      return Failure(query.lastError(), Opened::Damaged);
    if (readOnly_) {
      Tell(::Trouble::ReadOnly);
      return version == kSchemaVersion ? Opened::Yes : Opened::No;
    }
    // Write-ahead: a reader never waits for a writer, and a killed game leaves every
    // finished transaction in the file.
    if (!query.exec("PRAGMA journal_mode = WAL") || !query.exec("PRAGMA synchronous = NORMAL"))
      return Failure(query.lastError());
    // A file of this version is not written to until a game is recorded.
    if (version == kSchemaVersion) return Opened::Yes;
    return Migrate() ? Opened::Yes : Failure(lastError_);
  }

  Opened Failure(const QSqlError& error, Opened otherwise = Opened::No) {
    const int code = ErrorCode(error);
    if (code == kBusy || code == kLocked) return Opened::Busy;
    if (code == kCorrupt || code == kNotADatabase) return Opened::Damaged;
    if (otherwise == Opened::No) TellError(error);
    return otherwise;
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
      Tell(::Trouble::Failed, "it could not be kept aside");
      return false;
    }
    for (const char* companion : {"-wal", "-shm"})
      if (QFileInfo::exists(path_ + companion))
        ::rename(QFile::encodeName(path_ + companion).constData(),
                 QFile::encodeName(kept + companion).constData());
    Tell(why, kept);
    return true;
  }

  static inline std::atomic<int> connections_ = 0;
  QString path_;
  int busyMs_;
  QString connection_;
  bool open_ = false;
  bool readOnly_ = false;
  bool damaged_ = false;  // met in use, to be set aside before the next use
  QSqlError lastError_;
  std::set<::Trouble> told_;
  std::string news_;
};

class ChartOfProgress : public ProgressChart {
 public:
  explicit ChartOfProgress(QWidget* parent) : view_(new QChartView(parent)) {
    view_->setObjectName("ProgressChart");
    view_->setRenderHint(QPainter::Antialiasing);
  }
  QWidget* Widget() override { return view_; }

  void Show(const std::vector<ProgressPoint>& points) override {
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
    chart->addSeries(score);
    chart->addSeries(percent);
    auto* time = new QDateTimeAxis;
    time->setFormat("yyyy-MM-dd");
    time->setTitleText("Date (UTC)");
    if (!points.empty())
      time->setRange(QDateTime::fromSecsSinceEpoch(points.front().PlayedAt, Qt::UTC),
                     QDateTime::fromSecsSinceEpoch(points.back().PlayedAt + 60, Qt::UTC));
    auto* scores = new QValueAxis;
    scores->setTitleText("Score");
    scores->setLabelFormat("%d");
    auto* percents = new QValueAxis;
    percents->setTitleText("% of possible points");
    percents->setRange(0, 100);
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

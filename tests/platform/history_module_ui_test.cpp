// The history file in trouble: the game plays on, says what happened once, and never
// overwrites or deletes what was there.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <memory>

#include "platform/game_history.h"
#include "platform/plugin_modules.h"
#include "tests/ordinary_user.h"
#include "tests/small_file_system.h"

namespace {

std::unique_ptr<GameHistory> OpenHistory(const QString& path, int busyMs = 100) {
  const auto open = reinterpret_cast<OpenHistoryFunction>(
      QLibrary::resolve(QString(TOLVANE_PROGRAM_DIR) + "/" + kHistoryModule, kOpenHistorySymbol));
  EXPECT_NE(open, nullptr) << "the history module is missing from the program's folder";
  return std::unique_ptr<GameHistory>(open ? open(QFile::encodeName(path).constData(), busyMs)
                                           : nullptr);
}

HistoryRow Row(int64_t score, size_t listBytes = 20) {
  HistoryRow row;
  row.PlayedAt = 1765000000 + score;
  row.Letters = std::string(25, 'E');
  row.TotalScore = score;
  row.Guesses = "TEE:V:1";
  row.PossibleWords = std::string(listBytes, 'E') + ":1";
  return row;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A history of `games` games, closed, so that all of it is in the one file.
void MakeHistory(const QString& path, int games) {
  auto history = OpenHistory(path);
  for (int i = 0; i < games; ++i) ASSERT_NE(history->Add(Row(i, 400)), 0);
}

// Runs `sql` on the file as another program would.
void Edit(const QString& path, const QString& sql) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_edit");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    for (const QString& statement : sql.split(';'))
      ASSERT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
  }
  QSqlDatabase::removeDatabase("test_edit");
}

// A history of `games` games as the first version of the file kept them: without the
// language or the game mode.
void MakeFirstVersionHistory(const QString& path, int games) {
  MakeHistory(path, games);
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_older");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    for (const char* sql :
         {"DROP INDEX games_by_mode", "ALTER TABLE games DROP COLUMN language",
          "ALTER TABLE games DROP COLUMN mode", "ALTER TABLE games DROP COLUMN with_hints",
          "ALTER TABLE games DROP COLUMN match_game",
          "CREATE INDEX games_by_mode ON games (height, width, game_seconds, "
          "american, total_score DESC, played_at)",
          "PRAGMA user_version = 1"})
      ASSERT_TRUE(query.exec(sql)) << sql;
  }
  QSqlDatabase::removeDatabase("test_older");
}

// The ids of the games as the list orders them by `column`.
std::vector<int64_t> Order(GameHistory& history, GameColumn column, bool descending) {
  std::vector<HistoryRow> keys = history.SortKeys(column);
  std::sort(keys.begin(), keys.end(), [&](const HistoryRow& a, const HistoryRow& b) {
    return descending ? GameLess(b, a, column) : GameLess(a, b, column);
  });
  std::vector<int64_t> ids;
  for (const HistoryRow& key : keys) ids.push_back(key.Id);
  return ids;
}

size_t GameCount(GameHistory& history) { return history.SortKeys(GameColumn::Date).size(); }

// What the player is told never quotes the database library.
void ExpectPlainWords(const std::string& told) {
  for (const char* library : {"Unable to", "no such", "Parameter", "SQL", "statement"})
    EXPECT_EQ(told.find(library), std::string::npos) << told;
}

QStringList KeptAside(const QString& folder) {
  return QDir(folder).entryList({"history.sqlite.kept-*"}, QDir::Files | QDir::Dirs | QDir::System);
}

TEST(HistoryModule, AFileTheGameCannotUseIsKeptAsideOrLeftAsItIsAndToldOnce) {
  struct Case {
    const char* name;
    std::function<void(const QString& path)> prepare;
    bool keptAside;  // else left as it is, and nothing recorded
    const char* told;
  };
  const Case cases[] = {
      {"foreign", [](const QString& path) { Write(path, "Dear diary, today I played."); }, true,
       "The game history file was not one the game can read"},
      {"folder", [](const QString& path) { QDir().mkpath(path); }, true,
       "The game history file was not one the game can read"},
      {"another program's database",
       [](const QString& path) {
         {
           QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_other");
           db.setDatabaseName(path);
           ASSERT_TRUE(db.open());
           QSqlQuery(db).exec("CREATE TABLE notes (text TEXT)");
         }
         QSqlDatabase::removeDatabase("test_other");
       },
       true, "The game history file was not one the game can read"},
      {"damaged",
       [](const QString& path) {
         MakeHistory(path, 40);
         QByteArray bytes = Bytes(path);
         ASSERT_GT(bytes.size(), 12000);
         bytes.replace(4096, 8000, QByteArray(8000, '\xA5'));
         Write(path, bytes);
       },
       true, "The game history file was damaged"},
      {"newer",
       [](const QString& path) {
         MakeHistory(path, 3);
         Edit(path, "PRAGMA user_version = 99");
       },
       false, "The game history file was written by a newer version"},
      {"a table without the game's columns",
       [](const QString& path) {
         MakeHistory(path, 2);
         Edit(path, "ALTER TABLE games DROP COLUMN letters");
       },
       true, "The game history file was damaged"},
      {"an older version without its tables",
       [](const QString& path) {
         Edit(path, "CREATE TABLE games (id INTEGER PRIMARY KEY); PRAGMA user_version = 1");
       },
       true, "The game history file was damaged"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = dir.filePath("history.sqlite");
    c.prepare(path);
    const QByteArray before = Bytes(path);
    auto history = OpenHistory(path);
    const int64_t id = history->Add(Row(7));
    const std::string told = history->Trouble();
    EXPECT_TRUE(QString::fromStdString(told).startsWith(c.told)) << told;
    ExpectPlainWords(told);
    history->Add(Row(8));
    EXPECT_EQ(history->Trouble(), "");
    if (c.keptAside) {
      EXPECT_NE(id, 0);
      ASSERT_EQ(KeptAside(dir.path()).size(), 1);
      EXPECT_EQ(Bytes(dir.filePath(KeptAside(dir.path())[0])), before);
      EXPECT_EQ(GameCount(*history), 2u);
    } else {
      EXPECT_EQ(id, 0);
      EXPECT_TRUE(KeptAside(dir.path()).isEmpty());
      history.reset();
      EXPECT_EQ(Bytes(path), before);
    }
  }
}

// A player who may not write the file, or the folder it is in, still sees their games,
// and nothing is written: not the file, and no log beside it.
TEST(HistoryModule, AHistoryThePlayerMayNotWriteIsShownAndLeftAsItWas) {
  const struct {
    const char* name;
    bool fileReadOnly, folderReadOnly;
  } cases[] = {
      {"read-only file", true, false}, {"read-only folder", false, true}, {"both", true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = dir.filePath("history.sqlite");
    MakeHistory(path, 2);
    const QByteArray before = Bytes(path);
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
    if (c.fileReadOnly) ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    if (RunningAsRoot() && c.fileReadOnly)
      ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 0, 0), 0);
    const std::string failure = AsOrdinaryUser(dir.path().toStdString(), [&]() -> std::string {
      if (c.folderReadOnly && ::chmod(QFile::encodeName(dir.path()).constData(), 0555) != 0)
        return "cannot make the folder read-only";
      std::string failures;
      auto history = OpenHistory(path);
      Check(failures, GameCount(*history) == 2, "the games do not show");
      const std::string opened = history->Trouble();
      Check(failures, opened.find("may not be written") != std::string::npos,
            "not told: " + opened);
      Check(failures, history->Add(Row(5)) == 0, "recorded into a read-only file");
      Check(failures, history->Trouble().empty(), "told twice of not recording");
      Check(failures, !history->RemoveAll(), "deleted from a read-only file");
      const std::string deleting = history->Trouble();
      Check(failures, deleting.find("Nothing was deleted") != std::string::npos,
            "the failed deletion is not told: " + deleting);
      Check(failures, deleting.find("not recorded") == std::string::npos,
            "a deletion told as a game not recorded: " + deleting);
      Check(failures, GameCount(*history) == 2, "the games are gone");
      Check(
          failures,
          RecordFromRow(history->Game(Order(*history, GameColumn::Date, true)[0])) != std::nullopt,
          "a game does not read whole");
      return failures;
    });
    EXPECT_EQ(failure, "");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), filesBefore) << "no log left beside it";
  }
}

TEST(HistoryModule, TwoCopiesBothRecordAndALockHeldTooLongLosesOnlyThatGame) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  auto first = OpenHistory(path);
  auto second = OpenHistory(path);
  for (int i = 0; i < 10; ++i) {
    EXPECT_NE(first->Add(Row(i)), 0);
    EXPECT_NE(second->Add(Row(100 + i)), 0);
  }
  EXPECT_EQ(GameCount(*first), 20u);
  EXPECT_EQ(GameCount(*second), 20u);
  {
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "test_lock");
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    QSqlQuery lock(other);
    ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
    EXPECT_FALSE(first->RemoveAll());
    EXPECT_EQ(first->Trouble(),
              "The game history file is in use by another program. Nothing was deleted.");
    EXPECT_EQ(first->Add(Row(50)), 0);
    EXPECT_EQ(first->Trouble(),
              "The game history file is in use by another program. This game is not recorded.");
    EXPECT_EQ(first->Add(Row(50)), 0);
    EXPECT_EQ(first->Trouble(), "") << "each kind of trouble once for each action";
    lock.exec("ROLLBACK");
  }
  QSqlDatabase::removeDatabase("test_lock");
  EXPECT_NE(first->Add(Row(51)), 0);
  EXPECT_EQ(GameCount(*first), 21u);
}

// The history's own file system full: a game is not recorded, but the file is no damaged
// one. It is left where it is, its games still show, and once there is room again the
// next game is recorded.
TEST(HistoryModule, AFullDiskLosesOnlyTheNewGameAndKeepsTheHistory) {
  SmallFileSystem disk;
  if (!disk.Mounted()) GTEST_SKIP() << SmallFileSystem::kNotMounted;
  const QString path = QString::fromStdString(disk.File("history.sqlite"));
  auto history = OpenHistory(path);
  for (int i = 0; i < 5; ++i) ASSERT_NE(history->Add(Row(i)), 0);
  disk.Fill();
  EXPECT_EQ(history->Add(Row(9, 200000)), 0);
  std::string trouble = history->Trouble();
  EXPECT_NE(trouble.find("it may be full"), std::string::npos) << trouble;
  EXPECT_EQ(history->Add(Row(10, 200000)), 0);
  EXPECT_EQ(history->Trouble(), "");

  // The next run, on a disk full before the file is opened: the log beside the file
  // cannot even be made, which was once taken for a damaged file.
  disk.Empty();
  history.reset();
  disk.Fill();
  history = OpenHistory(path);
  EXPECT_EQ(GameCount(*history), 5u);
  trouble = history->Trouble();
  EXPECT_NE(trouble.find("it may be full"), std::string::npos) << trouble;
  EXPECT_EQ(trouble.find("damaged"), std::string::npos) << trouble;
  EXPECT_TRUE(KeptAside(QString::fromStdString(disk.Path())).isEmpty());
  EXPECT_EQ(history->Add(Row(11)), 0);
  disk.Empty();
  EXPECT_NE(history->Add(Row(12)), 0) << "room again";
  EXPECT_EQ(GameCount(*history), 6u);
  history.reset();
  EXPECT_EQ(GameCount(*OpenHistory(path)), 6u);
}

// Deleting the games gives their room back: after Delete All of a large history the file
// is small again, and on a disk with less room than the file, the deletion still works.
TEST(HistoryModule, DeletingGamesGivesTheirRoomBackEvenOnAFullDisk) {
  SmallFileSystem disk(8 << 20);
  if (!disk.Mounted()) GTEST_SKIP() << SmallFileSystem::kNotMounted;
  const QString path = QString::fromStdString(disk.File("history.sqlite"));
  MakeHistory(path, 600);
  const qint64 full = QFileInfo(path).size();
  ASSERT_GT(full, 600 * 400);
  auto history = OpenHistory(path);
  const std::vector<int64_t> ids = Order(*history, GameColumn::Date, true);
  for (size_t i = 0; i < 450; ++i) ASSERT_TRUE(history->Remove(ids[i]));
  EXPECT_LT(QFileInfo(path).size(), full / 2) << "most games deleted one by one";
  disk.Fill(64 * 1024);
  EXPECT_TRUE(history->RemoveAll()) << history->Trouble();
  EXPECT_EQ(GameCount(*history), 0u);
  EXPECT_LT(QFileInfo(path).size(), 64 * 1024);
  EXPECT_LE(QFileInfo(path + "-wal").size(), 64 * 1024);
  disk.Empty();
  EXPECT_NE(history->Add(Row(1)), 0);
}

// Rows edited into what no game leaves (a 9 x 9 board, a date in the year 285 million)
// are left out of every list and told of once; the rest of the history reads as ever.
TEST(HistoryModule, RowsNoGameCouldLeaveAreLeftOutAndToldOnce) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  MakeHistory(path, 4);
  Edit(path,
       "UPDATE games SET height = 9, width = 9 WHERE total_score = 0; "
       "UPDATE games SET played_at = 9e15 WHERE total_score = 1");
  auto history = OpenHistory(path);
  EXPECT_EQ(GameCount(*history), 2u);
  EXPECT_EQ(history->Modes().size(), 1u);
  const std::string told = history->Trouble();
  EXPECT_NE(told.find("holds 2 games that do not read"), std::string::npos) << told;
  EXPECT_EQ(history->Modes().size(), 1u);
  EXPECT_EQ(history->Trouble(), "");
  EXPECT_EQ(history->Progress(history->Modes()[0]).size(), 2u);
  EXPECT_EQ(history->BestScores(history->Modes()[0]).size(), 2u);
  size_t exported = 0;
  EXPECT_TRUE(history->EachGame([&](const HistoryRow& row) {
    EXPECT_TRUE(IsSoundRow(row));
    ++exported;
  }));
  EXPECT_EQ(exported, 2u);
}

// The keys of each column of the list hold what it sorts by.
TEST(HistoryModule, EachColumnsKeysOrderTheGamesByItsFigureThenByDate) {
  QTemporaryDir dir;
  auto history = OpenHistory(dir.filePath("history.sqlite"));
  const auto add = [&](int64_t playedAt, int64_t score, int height, int seconds) {
    HistoryRow row = Row(0);
    row.PlayedAt = playedAt;
    row.TotalScore = score;
    row.Height = height;
    row.GameSeconds = seconds;
    return history->Add(row);
  };
  const int64_t a = add(300, 10, 5, 180), b = add(100, -4, 4, 60), c = add(200, 10, 4, 180);
  using Ids = std::vector<int64_t>;
  for (const GameColumn column :
       {GameColumn::Date, GameColumn::Score, GameColumn::Size, GameColumn::Length}) {
    SCOPED_TRACE(static_cast<int>(column));
    // A negative score sorts below zero, and ten points tie to the earlier game.
    EXPECT_EQ(Order(*history, column, false), (Ids{b, c, a}));
    EXPECT_EQ(Order(*history, column, true), (Ids{a, c, b}));
  }
  EXPECT_EQ(history->Summaries({c, 999, a}).size(), 2u);
}

TEST(HistoryModule, AGameKilledAtAnyMomentKeepsEveryGameRecordedBeforeIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  GameCount(*OpenHistory(path));  // the file made before the writer starts
  int channel[2];
  ASSERT_EQ(::pipe(channel), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(channel[0]);
    auto history = OpenHistory(path, 2000);
    for (int64_t i = 0;; ++i)
      if (const int64_t id = history->Add(Row(i, 3000)); id != 0)
        (void)!::write(channel[1], &id, sizeof id);
  }
  ::close(channel[1]);
  std::vector<int64_t> recorded;
  int64_t id = 0;
  while (recorded.size() < 30 && ::read(channel[0], &id, sizeof id) == sizeof id)
    recorded.push_back(id);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(channel[0]);
  auto history = OpenHistory(path);
  const size_t games = GameCount(*history);
  EXPECT_EQ(history->Trouble(), "");
  EXPECT_GE(games, recorded.size());
  for (const int64_t kept : recorded) EXPECT_EQ(history->Game(kept).Id, kept);
}

// A file of the first version, as games were kept before there were game modes: its
// games open as Classic games without hints and keep their records; games of another
// mode or played with a hint take no Classic record.
TEST(HistoryModule, AFileFromBeforeGameModesCountsItsGamesAsClassic) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  MakeFirstVersionHistory(path, 2);

  auto history = OpenHistory(path);
  HistoryRow refill = Row(50);
  refill.Mode = "refill";
  HistoryRow hinted = Row(60);
  hinted.WithHints = true;
  ASSERT_NE(history->Add(refill), 0);
  const int64_t hintedId = history->Add(hinted);
  ASSERT_NE(hintedId, 0);
  EXPECT_EQ(history->Trouble(), "");
  for (const int64_t before : {1, 2}) {
    EXPECT_EQ(history->Game(before).Mode, "classic");
    EXPECT_FALSE(history->Game(before).WithHints);
  }
  EXPECT_TRUE(history->Game(hintedId).WithHints);
  const RecordMode classic;  // 4 x 4, 3:00, American, Classic
  EXPECT_EQ(history->BestScores(classic).size(), 2u);
  RecordMode refillMode = classic;
  refillMode.Mode = "refill";
  EXPECT_EQ(history->BestScores(refillMode).size(), 1u);
}

// A history kept before there were languages and matches: its games are English games
// of one's own, and records are kept for each language once new games come in.
TEST(HistoryModule, AnOlderFileGainsTheLanguageAndRecordsAreKeptForEachLanguage) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  MakeFirstVersionHistory(path, 2);

  auto history = OpenHistory(path);
  HistoryRow german = Row(50);
  german.LanguageCode = "de";
  german.Match = true;
  const int64_t germanId = history->Add(german);
  ASSERT_NE(germanId, 0);
  EXPECT_EQ(history->Game(germanId).LanguageCode, "de");
  for (const HistoryRow& row : history->Summaries(Order(*history, GameColumn::Date, true))) {
    EXPECT_EQ(row.LanguageCode, row.Id == germanId ? "de" : "en");
    EXPECT_EQ(row.Match, row.Id == germanId);
  }

  RecordMode mode;  // 4 x 4, 3:00, American
  EXPECT_EQ(history->BestScores(mode).size(), 2u);
  mode.LanguageCode = "de";
  ASSERT_EQ(history->BestScores(mode).size(), 1u);
  EXPECT_EQ(history->BestScores(mode)[0].GameId, germanId);
}

}  // namespace

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
#include <functional>
#include <memory>

#include "platform/game_history.h"
#include "platform/plugin_modules.h"
#include "tests/file_size_limit.h"
#include "tests/ordinary_user.h"

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

void SetUserVersion(const QString& path, int version) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_edit");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec("PRAGMA user_version = " + QString::number(version));
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
         SetUserVersion(path, 99);
       },
       false, "The game history file was written by a newer version"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = dir.filePath("history.sqlite");
    c.prepare(path);
    const QByteArray before = Bytes(path);
    auto history = OpenHistory(path);
    const int64_t id = history->Add(Row(7));
    EXPECT_TRUE(QString::fromStdString(history->Trouble()).startsWith(c.told));
    history->Add(Row(8));
    EXPECT_EQ(history->Trouble(), "");
    if (c.keptAside) {
      EXPECT_NE(id, 0);
      ASSERT_EQ(KeptAside(dir.path()).size(), 1);
      EXPECT_EQ(Bytes(dir.filePath(KeptAside(dir.path())[0])), before);
      EXPECT_EQ(history->Games().size(), 2u);
    } else {
      EXPECT_EQ(id, 0);
      EXPECT_TRUE(KeptAside(dir.path()).isEmpty());
      history.reset();
      EXPECT_EQ(Bytes(path), before);
    }
  }
}

TEST(HistoryModule, AReadOnlyFileIsReadButNeverWritten) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  MakeHistory(path, 2);
  const QByteArray before = Bytes(path);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  if (RunningAsRoot()) {
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), kOrdinaryUser, kOrdinaryGroup), 0);
  }
  const std::string failure = AsOrdinaryUser(dir.path().toStdString(), [&]() -> std::string {
    auto history = OpenHistory(path);
    if (history->Add(Row(5)) != 0) return "recorded into a read-only file";
    if (history->Trouble().find("may not be written") == std::string::npos) return "not told";
    history->Add(Row(6));
    if (!history->Trouble().empty()) return "told twice";
    if (history->Games().size() != 2) return "the earlier games do not show";
    return "";
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(Bytes(path), before);
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
  EXPECT_EQ(first->Games().size(), 20u);
  EXPECT_EQ(second->Games().size(), 20u);
  {
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "test_lock");
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    QSqlQuery lock(other);
    ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
    EXPECT_EQ(first->Add(Row(50)), 0);
    EXPECT_NE(first->Trouble().find("in use by another program"), std::string::npos);
    lock.exec("ROLLBACK");
  }
  QSqlDatabase::removeDatabase("test_lock");
  EXPECT_NE(first->Add(Row(51)), 0);
  EXPECT_EQ(first->Games().size(), 21u);
}

TEST(HistoryModule, AFullDiskLosesOnlyTheNewGame) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  auto history = OpenHistory(path);
  for (int i = 0; i < 5; ++i) ASSERT_NE(history->Add(Row(i)), 0);
  {
    const FileSizeLimit full(static_cast<rlim_t>(QFileInfo(path + "-wal").size() + 1000));
    EXPECT_EQ(history->Add(Row(9, 200000)), 0);
    const std::string trouble = history->Trouble();
    EXPECT_NE(trouble.find("it may be full"), std::string::npos) << trouble;
    EXPECT_EQ(history->Add(Row(10, 200000)), 0);
    EXPECT_EQ(history->Trouble(), "");
  }
  history.reset();
  EXPECT_EQ(OpenHistory(path)->Games().size(), 5u);
}

TEST(HistoryModule, AGameKilledAtAnyMomentKeepsEveryGameRecordedBeforeIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath("history.sqlite");
  OpenHistory(path)->Games();  // the file made before the writer starts
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
  const std::vector<HistoryRow> games = history->Games();
  EXPECT_EQ(history->Trouble(), "");
  EXPECT_GE(games.size(), recorded.size());
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
  for (const HistoryRow& row : history->Games()) {
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

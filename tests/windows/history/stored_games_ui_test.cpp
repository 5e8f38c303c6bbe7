// Games judged in the main window are stored as the game has always stored them: the
// history file in data/ was written by the game before the record took the score
// dialog's verdicts; the same games played now give the same rows, field by field.

#include <QFile>
#include <QStringList>
#include <cstdlib>
#include <filesystem>

#include "history/history_row.h"
#include "platform/game_history.h"
#include "tests/app/main_win_fixture.h"
#include "tests/newest_games.h"

namespace {

const std::string kStoredFile =
    TOLVANE_SOURCE_DIR "/tests/windows/history/data/history_before.sqlite";

class StoredGamesTest : public MainWinTest {
 protected:
  void Play(const QStringList& guesses) {
    Button("Start")->click();
    for (const QString& guess : guesses) Type(guess);
    Button("ExitButton")->click();
    Button("CheckList")->click();
    platform.utcSeconds += 600;
  }

  // Every kind of verdict, charged and not, both dictionaries, both sizes, repeats,
  // today's board and a game without a guess.
  void PlayTheGames() {
    platform.onExec = [](QDialog& dialog) { dialog.hide(); };
    GameSettings& settings = Window().Settings();
    PlaceBoard("CATS EARN DOGE LIME      ", 4, 4);
    Play({"cat", "CATS", "earn", "RTA", "XYZZY", "AT", "CAT", QString(300, 'A'), "DOG"});
    settings.WordNotInPuzzle = settings.WordMisspelled = settings.WordTooShort = false;
    settings.MinimumWordLength = 4;
    settings.LengthPoints = {2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
    Play({"CAT", "CATS", "EARN", "RTAN", "QQQQ", "LIMED", "CATS"});
    settings = GameSettings{};
    settings.AmericanDictionary = false;
    settings.RepeatingLettersAllowed = true;
    settings.Minutes = 1;
    settings.Seconds = 30;
    PlaceBoard("CATSXHOUSEDOGENMILKRPQRST", 5, 5);
    Play({"HOUSE", "HOUSES", "DOG", "MILK", "COLOUR", "COLOR", "TOT", "QRST"});
    Play({});
    Menu("MenuPlayToday")->trigger();
    Play({"ROAR", "ORA", "ZZZ"});
  }

  static std::vector<std::string> Rows(GameHistory& history) {
    std::vector<std::string> rows;
    for (const int64_t id : NewestGames(history)) {
      const HistoryRow row = history.Game(id);
      rows.push_back(std::to_string(row.Id) + " " + std::to_string(row.PlayedAt) + " " +
                     std::to_string(row.Height) + "x" + std::to_string(row.Width) + " [" +
                     row.Letters + "] " + std::to_string(row.AmericanDictionary) + " " +
                     std::to_string(row.MinimumWordLength) + " " +
                     std::to_string(row.RepeatingLettersAllowed) + " " +
                     std::to_string(row.GameSeconds) + " " + std::to_string(row.TotalScore) + " " +
                     std::to_string(row.FoundWords) + " " + std::to_string(row.PossibleWordCount) +
                     " " + std::to_string(row.PercentOfPossible) + " [" + row.BoardOfTheDay + "] " +
                     row.Guesses + " / " + row.PossibleWords);
    }
    return rows;
  }
};

TEST_F(StoredGamesTest, TheSameGamesGiveTheRowsTheGameStoredBefore) {
  PlayTheGames();
  const std::vector<std::string> played = Rows(*platform.History());
  ASSERT_EQ(played.size(), 5u);

  // TOLVANE_RECORD_STORED_GAMES=1 writes the file anew from this build.
  if (std::getenv("TOLVANE_RECORD_STORED_GAMES")) {
    platform.history.reset();  // closed, so the file holds every game
    std::filesystem::copy_file(platform.userDataDirectory + "/history.sqlite", kStoredFile,
                               std::filesystem::copy_options::overwrite_existing);
    GTEST_SKIP() << "written " << kStoredFile;
  }
  FakePlatform before;
  std::filesystem::create_directories(before.userDataDirectory);
  std::filesystem::copy_file(kStoredFile, before.userDataDirectory + "/history.sqlite");
  ASSERT_NE(before.History(), nullptr);
  EXPECT_EQ(Rows(*before.History()), played);
}

}  // namespace

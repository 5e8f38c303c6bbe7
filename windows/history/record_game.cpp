#include "windows/history/record_game.h"

#include "history/best_ten.h"
#include "history/game_record.h"
#include "history/history_row.h"
#include "history/todays_board.h"
#include "platform/game_history.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "words/board_search/board_search.h"
#include "words/check_session.h"
#include "words/word_finder.h"

namespace {

GameRecord JudgedGame(GameHost& host, const CheckSession& session) {
  const GameSettings& settings = host.Settings();
  const LetterGrid& board = host.Board();
  std::vector<JudgedGuess> guesses = JudgeGuesses(
      host.Guesses(), settings,
      [&](const std::string& word) {
        return InPuzzle(board, word, settings.RepeatingLettersAllowed);
      },
      [&](const std::string& word) { return InSpeller(session, word); });
  std::vector<PossibleWord> possible = PriceBoardWords(
      FindWords(board, session, settings.MinimumWordLength, settings.RepeatingLettersAllowed),
      settings);
  GameRecord record = MakeGameRecord(host.Services().UtcSeconds(), board, settings,
                                     std::move(guesses), std::move(possible));
  record.BoardOfTheDay = DayOfBoard(record);
  record.Match = host.Watcher() && host.Watcher()->MatchGame();
  return record;
}

}  // namespace

void RecordJudgedGame(GameHost& host, QWidget* owner, const CheckSession& session) {
  if (!host.FirstJudging()) return;
  Platform& platform = host.Services();
  GameHistory* history = platform.History();
  if (!history) return;
  const GameRecord record = JudgedGame(host, session);
  const int64_t id = history->Add(RowFromRecord(record));
  const std::string trouble = history->Trouble();
  if (!trouble.empty()) platform.ShowMessage(owner, TextFromBytes(trouble), "Game History");
  if (id == 0) return;
  const RecordMode mode = ModeOf(record);
  const int place = RecordPlace(history->BestScores(mode), id);
  if (place > 0)
    platform.ShowMessage(owner, TextFromBytes(RecordNotice(place, record.TotalScore, mode)),
                         "Records");
}

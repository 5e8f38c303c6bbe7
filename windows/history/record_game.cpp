#include "windows/history/record_game.h"

#include "history/best_ten.h"
#include "history/game_record.h"
#include "history/history_row.h"
#include "history/todays_board.h"
#include "platform/game_history.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "windows/words/host_check_session.h"
#include "words/scoring.h"

namespace {

GameRecord JudgedGame(GameHost& host, const ScoreSheet& sheet, const CheckSession& session) {
  const GameSettings& settings = host.Settings();
  GameRecord record =
      MakeGameRecord(host.Services().UtcSeconds(), host.GameBoard(), settings, sheet.Guesses,
                     PriceBoardWords(GameBoardWords(host, session), settings));
  record.BoardOfTheDay = DayOfBoard(record);
  return record;
}

}  // namespace

void RecordJudgedGame(GameHost& host, QWidget* owner, const ScoreSheet& sheet,
                      const CheckSession& session) {
  if (!host.FirstJudging()) return;
  Platform& platform = host.Services();
  GameHistory* history = platform.History();
  if (!history) return;
  const GameRecord record = JudgedGame(host, sheet, session);
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

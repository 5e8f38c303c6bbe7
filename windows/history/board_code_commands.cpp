#include "windows/history/board_code_commands.h"

#include "history/board_code.h"
#include "history/todays_board.h"
#include "history/utc_time.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "settings/game_settings.h"
#include "windows/words/host_check_session.h"

namespace {

void LoadBoard(GameHost& host, const PuzzleRecord& record) {
  PuzzleRecordToBoard(record, host.Board(), host.Settings());
  host.BoardLoaded();
}

}  // namespace

void CopyBoardCode(GameHost& host) {
  const GameSettings& settings = host.Settings();
  const std::optional<std::string> code =
      BoardCode(host.Board(), settings.Height, settings.Width, ChosenLanguage(settings));
  if (!code) {
    host.Services().ShowMessage(host.Window(), kNoBoardCode, "Error");
    return;
  }
  host.Services().SetClipboardText(TextFromBytes(*code));
}

void PlayBoardCode(GameHost& host) {
  Platform& platform = host.Services();
  const std::optional<QString> typed =
      platform.GetText(host.Window(), "Play Board Code", "Board code:");
  if (!typed) return;
  const std::string bytes = CodeTextToBytes(*typed);
  PuzzleRecord record;
  const Language* language = nullptr;
  const BoardCodeResult result = ReadBoardCode(bytes, record, language);
  if (result != BoardCodeResult::Ok) {
    platform.ShowMessage(host.Window(), TextFromBytes(BoardCodeMessage(result)), "Error");
    return;
  }
  if (language != &ChosenLanguage(host.Settings())) {
    // Nothing changes when the language's dictionary is not there to judge the board.
    if (!ChooseLanguage(host, *language)) return;
    platform.ShowMessage(host.Window(), TextFromBytes(BoardCodeLanguageMessage(*language)),
                         "Notice");
  }
  LoadBoard(host, record);
}

void PlayTodaysBoard(GameHost& host) {
  LoadBoard(host,
            TodaysBoard(DayNumber(host.Services().UtcSeconds()), ChosenLanguage(host.Settings())));
}

#include "windows/options/puzzle_dialogs.h"

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "settings/puzzle_file.h"

bool SavePuzzleAs(GameHost& host, PuzzleRecord& record, QString& lastName) {
  Platform& platform = host.Services();
  const FileDialogRequest request{"Save Tolvane File", "Tolvane (*.TVN)", "TVN", lastName};
  const QString chosen = platform.GetSaveFileName(host.Window(), request);
  if (chosen.isEmpty()) return false;
  lastName = chosen;
  const PuzzleSaveResult result = WritePuzzleFile(PathToBytes(chosen), record);
  if (result == PuzzleSaveResult::Ok) return true;
  platform.ShowMessage(host.Window(), TextFromBytes(PuzzleSaveMessage(result)), "Error");
  return false;
}

bool OpenPuzzle(GameHost& host, QString& lastName) {
  Platform& platform = host.Services();
  const FileDialogRequest request{"Open Tolvane File", "Tolvane (*.TVN)", "TVN", lastName};
  const QString chosen = platform.GetOpenFileName(host.Window(), request);
  if (chosen.isEmpty()) return false;
  lastName = chosen;
  PuzzleRecord record;
  const PuzzleOpenResult result = ReadPuzzleFile(PathToBytes(chosen), record);
  if (result != PuzzleOpenResult::Ok) {
    platform.ShowMessage(host.Window(), TextFromBytes(PuzzleOpenMessage(result)), "Error");
    return false;
  }
  PuzzleRecordToBoard(record, host.Board(), host.Settings());
  return true;
}

#include "windows/options/puzzle_dialogs.h"

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "settings/puzzle_file.h"

bool PuzzleFileDialogs::SaveAs(PuzzleRecord& record) {
  Platform& platform = host_.Services();
  const FileDialogRequest request{"Save Tolvane File", "Tolvane (*.TVN)", "TVN",
                                  SaveDialogFileName};
  const QString chosen = platform.GetSaveFileName(host_.Window(), request);
  if (chosen.isEmpty()) return false;
  SaveDialogFileName = chosen;
  const PuzzleSaveResult result = WritePuzzleFile(PathToBytes(chosen), record);
  if (result == PuzzleSaveResult::Ok) return true;
  platform.ShowMessage(host_.Window(), TextFromBytes(PuzzleSaveMessage(result)), "Error");
  return false;
}

void PuzzleFileDialogs::MenuSaveClick() {
  const GameSettings& settings = host_.Settings();
  PuzzleRecord record = PuzzleRecordFromBoard(host_.Board(), settings.Height, settings.Width);
  SaveAs(record);
}

void PuzzleFileDialogs::MenuOpenClick() {
  Platform& platform = host_.Services();
  const FileDialogRequest request{"Open Tolvane File", "Tolvane (*.TVN)", "TVN",
                                  OpenDialogFileName};
  const QString chosen = platform.GetOpenFileName(host_.Window(), request);
  if (chosen.isEmpty()) return;
  OpenDialogFileName = chosen;
  PuzzleRecord record;
  const PuzzleOpenResult result = ReadPuzzleFile(PathToBytes(chosen), record);
  if (result != PuzzleOpenResult::Ok) {
    platform.ShowMessage(host_.Window(), TextFromBytes(PuzzleOpenMessage(result)), "Error");
    return;
  }
  PuzzleRecordToBoard(record, host_.Board(), host_.Settings());
  host_.BoardLoaded();
}

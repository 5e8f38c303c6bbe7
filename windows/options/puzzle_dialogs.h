#pragma once

#include <QString>

class GameHost;
struct PuzzleRecord;

// The open and save dialogs of puzzle files, with their error reports. Each dialog
// remembers its last file name between uses.
class PuzzleFileDialogs {
 public:
  explicit PuzzleFileDialogs(GameHost& host) : host_(host) {}

  // "&Open Puzzle": asks for a file and puts its board on the host's board, ready to play.
  void MenuOpenClick();
  // "Sa&ve Puzzle": asks for a file and writes the host's board there.
  void MenuSaveClick();
  // Asks for a file and writes `record` there. False when nothing was saved.
  bool SaveAs(PuzzleRecord& record);

 private:
  GameHost& host_;
  QString OpenDialogFileName;
  QString SaveDialogFileName;
};

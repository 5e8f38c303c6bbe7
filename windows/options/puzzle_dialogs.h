#pragma once

#include <QString>

class GameHost;
struct PuzzleRecord;

// The open and save dialogs of puzzle files, with their error reports. `lastName` is the
// file name the dialog remembers between uses.

// Asks for a file and writes `record` there. False when nothing was saved.
bool SavePuzzleAs(GameHost& host, PuzzleRecord& record, QString& lastName);
// Asks for a file and puts its board on the main window's board. False when nothing
// was opened.
bool OpenPuzzle(GameHost& host, QString& lastName);

#pragma once

class GameHost;

// The menu's ways to a board without a file. Each puts the board on the host's board as
// an opened puzzle is put there, ready for Start.

// Copies the board's code to the clipboard, or says why this board has none.
void CopyBoardCode(GameHost& host);
// Asks for a code; a text that is no good code is refused with a message and changes
// nothing.
void PlayBoardCode(GameHost& host);
// The board of the current date (UTC).
void PlayTodaysBoard(GameHost& host);

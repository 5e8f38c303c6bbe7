#pragma once

#include <vector>

#include "words/check_session.h"
#include "words/word_finder.h"

class GameHost;
class QWidget;

// A check session as every window opens it: the main window's program folder and the
// player's data folder, the dictionary chosen in the settings, and a missing main lexicon
// reported in a message box owned by `owner`.
bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner);

// Every word of the host's game board under the settings in force, found with `session`
// the first time and kept for as long as board, settings and session words hold.
const std::vector<BoardWord>& GameBoardWords(GameHost& host, const CheckSession& session);

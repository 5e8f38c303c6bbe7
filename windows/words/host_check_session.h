#pragma once

#include <vector>

#include "words/check_session.h"
#include "words/word_finder.h"

class GameHost;
class QWidget;

struct Language;

// A check session as every window opens it: the main window's program folder and the
// player's data folder, the language and dictionary chosen in the settings (or the
// language given), and a missing main lexicon reported in a message box owned by `owner`.
bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner);
bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner,
                      const Language& language);

// Plays on in `language` when its dictionary opens; otherwise the message names it and
// the game goes on in the language it had. True when the language is now `language`.
bool ChooseLanguage(GameHost& host, const Language& language);

// Scrambles the host's board for a new game in the chosen language: a sparse board of a
// language that redeals is dealt again (DealBoard), its words counted with the player's
// dictionary.
void DealNewBoard(GameHost& host);

// Every word of the host's game board under the settings in force, found with `session`
// the first time and kept for as long as board, settings and session words hold.
const std::vector<BoardWord>& GameBoardWords(GameHost& host, const CheckSession& session);

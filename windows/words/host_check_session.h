#pragma once

#include "words/check_session.h"

class GameHost;
class QWidget;

// A check session as every window opens it: the main window's program folder and the
// player's data folder, the dictionary chosen in the settings, and a missing main lexicon
// reported in a message box owned by `owner`.
bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner);

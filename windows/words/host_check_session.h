#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/letter_grid.h"
#include "words/check_session.h"

class GameHost;
class QWidget;

// A check session as every window opens it: the main window's program folder and the
// player's data folder, the dictionary chosen in the settings, and a missing main lexicon
// reported in a message box owned by `owner`.
bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner);

// Every word of `grid` the word finder gives with a session opened as above, sorted;
// nothing when the dictionary cannot be opened (the player has been told).
std::optional<std::vector<std::string>> SortedBoardWords(GameHost& host, QWidget* owner,
                                                         const LetterGrid& grid,
                                                         int32_t minimumWordLength,
                                                         bool repeatingLettersAllowed);

#pragma once

struct CheckSession;
class GameHost;
class QWidget;

// Writes the game just judged into the game history, with the words its board allowed,
// and tells the player over `owner` when it took a place among the ten best of its mode
// or when the history file is in trouble. Only the first judging of a game counts.
void RecordJudgedGame(GameHost& host, QWidget* owner, const CheckSession& session);

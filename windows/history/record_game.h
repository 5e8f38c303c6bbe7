#pragma once

struct CheckSession;
struct ScoreSheet;
class GameHost;
class QWidget;

// Writes the game just judged into the game history: its board, its guesses as `sheet`
// judged them and the words its board allowed (found with `session` unless the board's
// words are known already). Tells the player over `owner` when it took a place among the
// ten best of its mode or when the history file is in trouble. Only the first judging of
// a game counts.
void RecordJudgedGame(GameHost& host, QWidget* owner, const ScoreSheet& sheet,
                      const CheckSession& session);

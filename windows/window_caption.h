#pragma once

#include <QString>

struct GameSettings;

// The main window's caption: the game's name, then whatever of the way it is played
// differs from the specified game, "Tolvane 95 — Refill". Each such part is one line of
// the function, so another one slots in beside the mode.
QString WindowCaption(const GameSettings& settings);

#pragma once

#include <QCursor>

// "GridCurs": a black 4 x 4 grid, 21 pixels square, hot spot at the top-left corner.
// Shown over the board and the guess list during a game.
QCursor MakeGridCursor();

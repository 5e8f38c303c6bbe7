#pragma once

#include <cstdint>

#include "game/letter_grid.h"

// A board as a guess list was entered on it: its letters and its size then. The guesses
// are judged and recorded against it, also when another board has been put in its place.
struct PlayedBoard {
  LetterGrid Grid;
  int32_t Height = 4;
  int32_t Width = 4;
};

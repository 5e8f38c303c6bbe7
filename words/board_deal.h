#pragma once

// Dealing a board for a new game: Scramble, and in a language that asks for it, Scramble
// again while the board holds too few words to be worth playing. English is dealt once,
// exactly as Scramble deals it.

#include <cstddef>
#include <functional>

#include "base/random_source.h"
#include "game/letter_grid.h"

struct GameSettings;
struct Language;

// The fewest words a dealt board of this size should hold: 30 on 5 x 5, else 20.
std::size_t PlayableWordCount(int height, int width);
// How often a sparse board is dealt again before the last one is kept.
inline constexpr int kMostRedeals = 20;

// How many words the board holds, as the player's dictionary judges them.
using BoardWordCounter = std::function<std::size_t(const LetterGrid&)>;

// Scrambles `grid`; the result is how many boards were dealt (1 to kMostRedeals + 1).
int DealBoard(LetterGrid& grid, const GameSettings& settings, RandomSource& random,
              const Language& language, const BoardWordCounter& countWords);

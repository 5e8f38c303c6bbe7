#pragma once

#include "base/random_source.h"
#include "game/letter_grid.h"

struct GameSettings;

// The three weighted letter draws. Each loops until it accepts a letter.
char PickLetter(RandomSource& random);
char PickVowel(RandomSource& random);
char PickConsonant(RandomSource& random);

bool IsVowel(char letter);
// Row + column odd: (1,2), (2,1), (1,4) ... Row 1 starts on a consonant cell.
bool IsVowelCell(int cell);
// How many letter fragments the fragment modes seed: 5 on 25 cells, 4 on 20, else 3.
int FragmentCount(int height, int width);

// Blanks all 25 letters, then fills the on-board cells by the generation mode the two
// play options select. Never changes CellOnBoard.
void ScrambleLetters(LetterGrid& grid, const GameSettings& settings, RandomSource& random);

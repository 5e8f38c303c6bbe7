#pragma once

#include "base/random_source.h"
#include "game/letter_grid.h"

struct GameSettings;
struct Language;
const Language& English();

// The three weighted letter draws from the language's tiles and letter tables. Each loops
// until it accepts a letter.
char PickLetter(RandomSource& random, const Language& language = English());
char PickVowel(RandomSource& random, const Language& language = English());
char PickConsonant(RandomSource& random, const Language& language = English());

bool IsVowel(char letter, const Language& language = English());
// Row + column odd: (1,2), (2,1), (1,4) ... Row 1 starts on a consonant cell.
bool IsVowelCell(int cell);
// How many letter fragments the fragment modes seed: 5 on 25 cells, 4 on 20, else 3.
int FragmentCount(int height, int width);

// Blanks all 25 letters, then fills the on-board cells by the generation mode the two
// play options select, with the language's letters. Never changes CellOnBoard.
void ScrambleLetters(LetterGrid& grid, const GameSettings& settings, RandomSource& random,
                     const Language& language = English());

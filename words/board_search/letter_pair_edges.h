#pragma once

#include <string>

#include "words/board_search/cell_set.h"

// Whether the board has room for the word's steps between each pair of letters. A path
// takes every step over its own pair of neighbouring cells, and a cell lies on at most two
// of them. Between letters X and Y, an X cell takes as many steps to Y cells as the X in
// the word it spells has Y beside it: so only as many X cells can take two such steps as
// the word has X between two Ys, and only as many take one or more as it has X next to a
// Y. When the most steps the board can give under those limits are fewer than the word
// takes, no path spells it. Only a necessary condition, but one that sees in one go what
// a search finds only after trying every way through a crowd of cells that all need the
// same few neighbours.
bool LetterPairEdgesFit(const LetterCells& cells, const std::string& word);

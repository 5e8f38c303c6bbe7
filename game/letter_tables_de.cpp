// Made by tools/make_letter_tables from SPELDE.CLX: do not edit.
// clang-format off
// Scramble's tables for de.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 3
//   "B" 1
//   "C" 2
//   "D" 2
//   "E" 10
//   "F" 1
//   "G" 2
//   "H" 2
//   "I" 3
//   "J" 1
//   "K" 1
//   "L" 2
//   "M" 2
//   "N" 5
//   "O" 1
//   "P" 1
//   "Q" 1
//   "R" 5
//   "S" 4
//   "T" 4
//   "U" 2
//   "V" 1
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
//   "\xC4" 1
//   "\xD6" 1
//   "\xDC" 1
const LetterTables kLettersDe = {
    .Weights = {3, 1, 2, 2, 10, 1, 2, 2, 3, 1, 1, 2, 2, 5, 1, 1, 1, 5, 4, 4, 2, 1, 1, 1, 1, 1, 1, 1, 1},
    .Fragments = {
        "EN", "ER", "TE", "ST", "GE", "RE", "CH", "ES", "LE",
        "ND", "DE", "EL", "AN", "BE", "END", "TEN", "IN", "SE",
        "HE", "SCH", "ET", "STE", "NDE", "NE", "IG", "ERE", "RA",
        "ENDE", "TET", "RT", "IGE", "AR", "EST", "SC", "CHE", "AL",
        "KE", "ERN", "AB", "RI", "GEN", "LA", "TER", "VER", "NG",
    },
};
// clang-format on

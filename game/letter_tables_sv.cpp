// Made by tools/make_letter_tables from SPELSV.CLX: do not edit.
// clang-format off
// Scramble's tables for sv.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 2
//   "C" 1
//   "D" 4
//   "E" 9
//   "F" 2
//   "G" 4
//   "H" 1
//   "I" 5
//   "J" 1
//   "K" 4
//   "L" 5
//   "M" 2
//   "N" 9
//   "O" 3
//   "P" 2
//   "Q" 1
//   "R" 9
//   "S" 9
//   "T" 7
//   "U" 2
//   "V" 2
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
//   "\xC5" 1
//   "\xC4" 2
//   "\xD6" 1
const LetterTables kLettersSv = {
    .Weights = {10, 2, 1, 4, 9, 2, 4, 1, 5, 1, 4, 5, 2, 9, 3, 2, 1, 9, 9, 7, 2, 2, 1, 1, 1, 1, 1, 2, 1},
    .Fragments = {
        "AR", "EN", "ER", "DE", "NA", "AN", "RA", "NS", "AS",
        "ST", "LA", "AT", "TA", "AD", "KA", "TE", "ET", "ENS",
        "ADE", "TS", "RE", "OR", "RNA", "IN", "RS", "SK", "RN",
        "GA", "ES", "DA", "IG", "SA", "AL", "ND", "TT", "\xD6" "R",
        "LI", "ARNA", "RI", "LL", "F\xD6" "R", "NG", "LE", "VA", "IS",
    },
};
// clang-format on

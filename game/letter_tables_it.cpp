// Made by tools/make_letter_tables from SPELIT.CLX: do not edit.
// clang-format off
// Scramble's tables for it.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 2
//   "C" 4
//   "D" 2
//   "E" 9
//   "F" 1
//   "G" 2
//   "H" 1
//   "I" 9
//   "J" 1
//   "K" 1
//   "L" 3
//   "M" 3
//   "N" 5
//   "O" 7
//   "P" 2
//   "Q" 1
//   "R" 7
//   "S" 6
//   "T" 6
//   "U" 2
//   "V" 2
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
const LetterTables kLettersIt = {
    .Weights = {10, 2, 4, 2, 9, 1, 2, 1, 9, 1, 1, 3, 3, 5, 7, 2, 1, 7, 6, 6, 2, 2, 1, 1, 1, 1},
    .Fragments = {
        "ER", "AT", "RA", "TE", "TA", "RE", "TI", "AN", "RI",
        "ST", "IN", "AR", "AV", "NO", "TO", "RO", "VA", "CA",
        "CO", "AS", "OR", "EN", "DI", "ON", "LA", "LI", "VI",
        "ERA", "AL", "ATE", "SE", "SS", "NT", "ES", "IT", "SI",
        "OL", "MO", "SA", "NA", "AVA", "CI", "DE", "LE", "AM",
    },
};
// clang-format on

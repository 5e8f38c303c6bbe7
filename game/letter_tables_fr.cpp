// Made by tools/make_letter_tables from SPELFR.CLX: do not edit.
// clang-format off
// Scramble's tables for fr.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 7
//   "B" 1
//   "C" 2
//   "D" 2
//   "E" 10
//   "F" 1
//   "G" 1
//   "H" 1
//   "I" 7
//   "J" 1
//   "K" 1
//   "L" 3
//   "M" 2
//   "N" 5
//   "O" 4
//   "P" 2
//   "Q" 1
//   "R" 6
//   "S" 7
//   "T" 5
//   "U" 2
//   "V" 1
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
const LetterTables kLettersFr = {
    .Weights = {7, 1, 2, 2, 10, 1, 1, 1, 7, 1, 1, 3, 2, 5, 4, 2, 1, 6, 7, 5, 2, 1, 1, 1, 1, 1},
    .Fragments = {
        "ER", "ES", "RA", "RE", "TE", "EN", "ON", "NT", "AS",
        "IS", "EZ", "LE", "ERA", "AT", "DE", "SE", "AN", "LA",
        "TA", "IN", "IT", "ENT", "RI", "ONS", "AR", "NE", "ME",
        "RAI", "NS", "UR", "SS", "CH", "RO", "ANT", "AIS", "AL",
        "SA", "ET", "SSE", "GE", "CA", "IEZ", "CO", "AIT", "LI",
    },
};
// clang-format on

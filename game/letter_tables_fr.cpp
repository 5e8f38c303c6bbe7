// Made by tools/make_letter_tables from SPELFR.CLX: do not edit.
// Scramble's tables for fr.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 8
//   "B" 3
//   "C" 5
//   "D" 4
//   "E" 10
//   "F" 3
//   "G" 3
//   "H" 3
//   "I" 8
//   "J" 1
//   "K" 1
//   "L" 5
//   "M" 4
//   "N" 7
//   "O" 6
//   "P" 4
//   "Q" 2
//   "R" 8
//   "S" 8
//   "T" 7
//   "U" 5
//   "V" 3
//   "W" 1
//   "X" 1
//   "Y" 2
//   "Z" 3
const LetterTables kLettersFr = {
    .Weights = {8, 3, 5, 4, 10, 3, 3, 3, 8, 1, 1, 5, 4, 7, 6, 4, 2, 8, 8, 7, 5, 3, 1, 1, 2, 3},
    .Fragments =
        {
            "ER",  "ES", "RA",  "RE",  "TE", "EN",  "ON", "NT",  "AS", "IS",  "EZ",  "LE",
            "ERA", "AT", "DE",  "SE",  "AN", "LA",  "TA", "IN",  "IT", "ENT", "RI",  "ONS",
            "AR",  "NE", "ME",  "RAI", "NS", "UR",  "SS", "CH",  "RO", "ANT", "AIS", "AL",
            "SA",  "ET", "SSE", "GE",  "CA", "IEZ", "CO", "AIT", "LI",
        },
};

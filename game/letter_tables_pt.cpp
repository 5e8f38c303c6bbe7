// Made by tools/make_letter_tables from SPELPT.CLX: do not edit.
// Scramble's tables for pt.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 3
//   "C" 5
//   "D" 5
//   "E" 9
//   "F" 3
//   "G" 3
//   "H" 2
//   "I" 8
//   "J" 1
//   "K" 1
//   "L" 4
//   "M" 6
//   "N" 5
//   "O" 7
//   "P" 4
//   "Q" 1
//   "R" 8
//   "S" 8
//   "T" 5
//   "U" 4
//   "V" 3
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 2
const LetterTables kLettersPt = {
    .Weights = {10, 3, 5, 5, 9, 3, 3, 2, 8, 1, 1, 4, 6, 5, 7, 4, 1, 8, 8, 5, 4, 3, 1, 1, 1, 2},
    .Fragments =
        {
            "AR",  "RA", "RE",  "AS",  "ES", "AM",  "CA",  "AD", "IS",  "OS", "TA", "EM",
            "ARA", "TE", "DO",  "DA",  "DE", "RI",  "IN",  "VA", "AL",  "CO", "EN", "AN",
            "AVA", "LA", "OR",  "ER",  "AV", "ADO", "ARE", "MO", "ADA", "ST", "RO", "MA",
            "SE",  "SA", "MOS", "EIS", "GA", "TO",  "IR",  "AC", "AT",
        },
};

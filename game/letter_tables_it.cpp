// Made by tools/make_letter_tables from SPELIT.CLX: do not edit.
// Scramble's tables for it.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 4
//   "C" 6
//   "D" 5
//   "E" 10
//   "F" 3
//   "G" 4
//   "H" 2
//   "I" 9
//   "J" 1
//   "K" 1
//   "L" 5
//   "M" 5
//   "N" 7
//   "O" 8
//   "P" 5
//   "Q" 1
//   "R" 9
//   "S" 8
//   "T" 8
//   "U" 4
//   "V" 4
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 3
const LetterTables kLettersIt = {
    .Weights = {10, 4, 6, 5, 10, 3, 4, 2, 9, 1, 1, 5, 5, 7, 8, 5, 1, 9, 8, 8, 4, 4, 1, 1, 1, 3},
    .Fragments =
        {
            "ER", "AT", "RA", "TE",  "TA",  "RE",  "TI", "AN", "RI", "ST", "IN", "AR",
            "AV", "NO", "TO", "RO",  "VA",  "CA",  "CO", "AS", "OR", "EN", "DI", "ON",
            "LA", "LI", "VI", "ERA", "AL",  "ATE", "SE", "SS", "NT", "ES", "IT", "SI",
            "OL", "MO", "SA", "NA",  "AVA", "CI",  "DE", "LE", "AM",
        },
};

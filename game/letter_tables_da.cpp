// Made by tools/make_letter_tables from SPELDA.CLX: do not edit.
// Scramble's tables for da.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 6
//   "B" 4
//   "C" 2
//   "D" 5
//   "E" 10
//   "F" 4
//   "G" 5
//   "H" 2
//   "I" 6
//   "J" 2
//   "K" 5
//   "L" 6
//   "M" 4
//   "N" 8
//   "O" 5
//   "P" 3
//   "Q" 1
//   "R" 8
//   "S" 8
//   "T" 6
//   "U" 3
//   "V" 3
//   "W" 1
//   "X" 1
//   "Y" 2
//   "Z" 1
//   "\xC6" 3
//   "\xD8" 2
//   "\xC5" 2
const LetterTables kLettersDa = {
    .Weights = {6, 4, 2, 5, 10, 4, 5, 2, 6, 2, 5, 6, 4, 8, 5,
                3, 1, 8, 8, 6,  3, 3, 1, 1, 2, 1, 3, 2, 2},
    .Fragments =
        {
            "ER",  "EN",  "DE",  "RE",  "NE",  "ES",  "TE", "ET",   "LE",   "ST", "GE", "ND",
            "SE",  "IN",  "ERS", "ENS", "AN",  "ERE", "SK", "ERNE", "NS",   "RS", "KE", "OR",
            "NDE", "RNE", "RI",  "ERN", "TER", "AL",  "VE", "NG",   "ED",   "AR", "BE", "ENE",
            "DER", "IS",  "EL",  "ING", "RA",  "LI",  "RN", "EDE",  "ENDE",
        },
};

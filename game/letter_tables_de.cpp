// Made by tools/make_letter_tables from SPELDE.CLX: do not edit.
// Scramble's tables for de.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 5
//   "B" 4
//   "C" 4
//   "D" 4
//   "E" 10
//   "F" 3
//   "G" 5
//   "H" 5
//   "I" 6
//   "J" 1
//   "K" 3
//   "L" 5
//   "M" 4
//   "N" 7
//   "O" 4
//   "P" 3
//   "Q" 1
//   "R" 7
//   "S" 7
//   "T" 6
//   "U" 5
//   "V" 2
//   "W" 2
//   "X" 1
//   "Y" 1
//   "Z" 3
//   "\xC4" 2
//   "\xD6" 1
//   "\xDC" 2
const LetterTables kLettersDe = {
    .Weights = {5, 4, 4, 4, 10, 3, 5, 5, 6, 1, 3, 5, 4, 7, 4,
                3, 1, 7, 7, 6,  5, 2, 2, 1, 1, 3, 2, 1, 2},
    .Fragments =
        {
            "EN", "ER",  "TE",  "ST",   "GE",  "RE", "CH",  "ES",  "LE",  "ND",  "DE",  "EL",
            "AN", "BE",  "END", "TEN",  "IN",  "SE", "HE",  "SCH", "ET",  "STE", "NDE", "NE",
            "IG", "ERE", "RA",  "ENDE", "TET", "RT", "IGE", "AR",  "EST", "SC",  "CHE", "AL",
            "KE", "ERN", "AB",  "RI",   "GEN", "LA", "TER", "VER", "NG",
        },
};

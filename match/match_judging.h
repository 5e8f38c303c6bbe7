#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/letter_grid.h"
#include "match/match_messages.h"
#include "settings/game_settings.h"

// The board a match is played on, as the host judges it: the letters, the host's
// settings (word length, scoring, repeats) and every word of the board (the word
// finder's one result for it, sorted).
struct MatchBoard {
  LetterGrid Grid;
  GameSettings Settings;
  std::vector<std::string> Words;
};

// One player's part in the judging.
struct PlayerList {
  uint8_t Id = 0;
  std::string Name;
  PlayerState State = PlayerState::Played;
  std::vector<std::string> Guesses;  // as the player entered them; empty unless Played
};

// Judges every list with the one word list of `board`, as Check List judges a guess list,
// and ranks the players by score, best first (a tie keeps the order of `players`). With
// the table rule a word found by two or more players scores for none of them; the bad
// guesses cost what the host's scoring says either way.
MatchResult JudgeMatch(const MatchBoard& board, const std::vector<PlayerList>& players,
                       bool tableRule);

// A player's list to send: the guesses in entry order without those marked as repeats,
// as many as one message holds.
GuessList GuessListToSend(const std::vector<std::string>& guessList);

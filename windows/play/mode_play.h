#pragma once

#include <QString>
#include <string>
#include <vector>

#include "game/end_rule.h"
#include "game/game_mode.h"
#include "game/timed_game.h"
#include "settings/game_settings.h"
#include "words/board_hints.h"
#include "words/check_session.h"
#include "words/scoring.h"
#include "words/word_finder.h"

class GameHost;
class PlayAccess;
class TBoardView;
class TGauge;
class TGuessList;
class TPlayFacts;

// A game as its mode plays it. A game judged as it is played, or showing hints, opens its
// check session at Start and finds the board's words once; each guess entered is then
// judged by the rules Check List uses, its verdict shown beside it, and counted by the
// mode's end rule, which may add time or end the game. The hints, the running score and
// the gauge follow. The main window asks this; this never asks the main window.
class ModePlay {
 public:
  ModePlay(GameHost& host, PlayAccess& access, TGuessList& guessList, TBoardView& board,
           TGauge& gauge);
  ~ModePlay();

  // Before anything of a game starts: opens the dictionary when a game by `rules` is to be
  // judged as it is played or to show hints. False when it cannot be opened (the player
  // was told) and the game must not start.
  bool Open(const GameSettings& rules);
  // The game started on `clock` with its length: the mode of `rules` takes it over.
  // GameEnd::NothingToFind when it is over at once.
  GameEnd Start(TimedGame& clock, const GameSettings& rules);
  // The guess last added to `clock`'s list was entered.
  EndRule::Outcome Entered(TimedGame& clock);
  // A tick of the game clock was counted.
  void Ticked(const TimedGame& clock);
  // Ten seconds are left: the chime, when the end of a game chimes, and the news.
  void WarnTenSecondsLeft();
  // The game is over: the dictionary closes; verdicts, facts and hints stay in sight.
  void Stop();
  // Tells the player why the game ended, by chime and message as Timer Options set. A
  // board without a word to find is news to read, chimes or not.
  void AnnounceEnd(GameEnd end);
  // A new board or a new list: nothing of the last game shows any more.
  void Forget();
  // The window took its layout at a new size, the guess list at its full height: the list
  // makes room for the facts again.
  void WindowScaled();

  const GameModeRow& Mode() const { return rule_.Mode(); }
  PlayedMode Played() const { return played_; }
  // The guesses of the last game as they were judged while it was played; nothing when
  // it was not judged so.
  const std::vector<JudgedGuess>* Verdicts() const {
    return judging_ && !forgotten_ ? &verdicts_ : nullptr;
  }

 private:
  JudgedGuess Judge(const std::string& guess) const;
  void ShowVerdict(const JudgedGuess& judged);
  void ShowFacts(const TimedGame& clock);
  bool FactsShown() const;
  void ShowHints();
  // The guess list gives the foot of its place to the facts while they show.
  void Relayout();

  GameHost& host_;
  PlayAccess& access_;
  TGuessList& guessList_;
  TPlayFacts* facts_ = nullptr;  // made for the first game that has facts to show
  TBoardView& board_;
  TGauge& gauge_;

  GameSettings rules_;  // the settings the game started with
  bool judging_ = false;
  bool forgotten_ = true;
  CheckSession session_;
  bool sessionOpen_ = false;
  EndRule rule_;
  PlayedMode played_;
  std::vector<BoardWord> words_;
  FoundWords found_;
  std::vector<JudgedGuess> verdicts_;
  int64_t score_ = 0;
  int fullListHeight_ = 0;  // the list's height while the facts take part of it, else 0
};

#pragma once

#include <memory>

#include "windows/match/match_lobby.h"

class HostSession;
class MatchNetwork;
class MatchSession;
class QCheckBox;
class QPushButton;

// "Host a Match": the host gives a name and opens the lobby, which listens for players
// and announces itself on the local network; the players who join show as they come,
// with the host's settings the match is played with. "&Start" deals the board and
// counts down on every screen.
class THostMatch : public TMatchLobby {
  Q_OBJECT
 public:
  THostMatch(GameHost& host, std::unique_ptr<MatchNetwork> network);
  ~THostMatch() override;

  // The match, once its game has begun; nothing before.
  std::unique_ptr<MatchSession> TakeSession();

 private:
  QString WaitingText(MatchSession& session) override;
  void OpenClick();
  void StartClick();

  std::unique_ptr<MatchNetwork> network_;
  std::unique_ptr<HostSession> session_;

  QLabel* JoinLine = nullptr;
  QCheckBox* TableRule = nullptr;
  QPushButton* OpenButton = nullptr;
  QPushButton* StartButton = nullptr;
};

#pragma once

#include <map>
#include <memory>

#include "match/match_messages.h"
#include "windows/match/match_lobby.h"

class MatchNetwork;
class MatchSession;
class PlayerSession;
class QPushButton;
class Ticker;

// "Join a Match": the matches announced on the local network are listed with their
// host's name, or an address is typed; the player joins with a name and then sees the
// lobby until the host starts.
class TJoinMatch : public TMatchLobby {
  Q_OBJECT
 public:
  TJoinMatch(GameHost& host, std::unique_ptr<MatchNetwork> network);
  ~TJoinMatch() override;

  // The match, once its game has begun; nothing before.
  std::unique_ptr<MatchSession> TakeSession();

 private:
  struct Heard {
    Announcement What;
    int64_t LastMs = 0;
  };

  QString WaitingText(MatchSession& session) override;
  void MatchEnded(const std::string& message) override;
  void Hear(const std::string& address, std::string_view datagram);
  void ShowMatches();
  void JoinClick();

  std::unique_ptr<MatchNetwork> network_;
  std::unique_ptr<PlayerSession> session_;
  std::unique_ptr<PlayerSession> ended_;  // kept until the next try: its clock is still ticking
  std::map<std::string, Heard> heard_;    // by "address:port"
  std::unique_ptr<Ticker> forgetting_;

  QListWidget* MatchList = nullptr;
  QLineEdit* AddressEdit = nullptr;
  QPushButton* JoinButton = nullptr;
};

#pragma once

#include <QString>

#include "windows/scaled_dialog.h"

class MatchSession;
class QLabel;
class QLineEdit;
class QListWidget;

// What the host's and a player's lobby windows share: the player's name, the players who
// joined, the match's settings and a status line that counts down to the start. The
// window closes by itself, accepted, when the game begins, and rejected, with a message,
// when the match ends without one.
class TMatchLobby : public TScaledDialog {
  Q_OBJECT
 protected:
  TMatchLobby(GameHost& host, const QString& name, const QString& caption, QSize client);
  ~TMatchLobby() override;

  // The name typed, when it is a good one. Otherwise the player is told what a name may
  // be and the focus goes back to the name.
  std::optional<std::string> TakeName();
  // Shows `session` from now on, on every tick of its clock, and keeps the name it goes
  // by in the settings. The window that owns the
  // session ends it before this base is gone, or hands it on to MatchSession::BeginGame.
  void Follow(MatchSession& session);
  // The status line while the lobby waits.
  virtual QString WaitingText(MatchSession& session) = 0;
  // The match ended before its game began: by default the player is told why and the
  // window closes.
  virtual void MatchEnded(const std::string& message);

  QLineEdit* NameEdit = nullptr;
  QListWidget* PlayerList = nullptr;
  QLabel* SettingsLine = nullptr;
  QLabel* StatusLine = nullptr;

 private:
  void ShowMatch();

  MatchSession* session_ = nullptr;
};

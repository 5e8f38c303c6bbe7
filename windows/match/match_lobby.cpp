#include "windows/match/match_lobby.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "match/match_messages.h"
#include "match/match_settings.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/match/match_session.h"

TMatchLobby::TMatchLobby(GameHost& host, const QString& name, const QString& caption, QSize client)
    : TScaledDialog(host, name, caption, client) {
  MakeLabel(this, "NameLabel", "Your &name:", {12, 14, 100, 21}, ArialPixels(15));
  NameEdit = new QLineEdit(this);
  NameEdit->setObjectName("NameEdit");
  NameEdit->setGeometry(116, 10, 180, 25);
  NameEdit->setMaxLength(static_cast<int>(kMaxNameLength));
  NameEdit->setText(TextFromBytes(host.Settings().PlayerName));
  findChild<QLabel*>("NameLabel")->setBuddy(NameEdit);
}

TMatchLobby::~TMatchLobby() = default;

std::optional<std::string> TMatchLobby::TakeName() {
  const std::optional<std::string> name = ExactTextToBytes(NameEdit->text().trimmed());
  if (!name || !IsValidPlayerName(*name)) {
    host.Services().ShowMessage(this, kBadPlayerName, "Error");
    NameEdit->setFocus();
    return std::nullopt;
  }
  return name;
}

void TMatchLobby::Follow(MatchSession& session) {
  // Names and codes come from other players: shown as they are, never as markup.
  StatusLine->setTextFormat(Qt::PlainText);
  SettingsLine->setTextFormat(Qt::PlainText);
  host.Settings().PlayerName = TextToBytes(NameEdit->text().trimmed());
  session_ = &session;
  session.onTick = [this] { ShowMatch(); };
  NameEdit->setReadOnly(true);
  ShowMatch();
}

void TMatchLobby::MatchEnded(const std::string& message) {
  if (!message.empty()) host.Services().ShowMessage(this, TextFromBytes(message), "Match");
  reject();
}

void TMatchLobby::ShowMatch() {
  MatchSession& session = *session_;
  switch (session.CurrentStage()) {
    case MatchSession::Stage::Playing:
      session.onTick = nullptr;
      accept();
      return;
    case MatchSession::Stage::Done:
    case MatchSession::Stage::Ended:
      session.onTick = nullptr;
      session_ = nullptr;
      MatchEnded(session.EndMessage());
      return;
    case MatchSession::Stage::CountDown:
      StatusLine->setText(
          QString("The match starts in %1 ...").arg((session.MsToStart() + 999) / 1000));
      break;
    case MatchSession::Stage::Joining:
    case MatchSession::Stage::Lobby:
      StatusLine->setText(WaitingText(session));
      break;
  }
  if (session.CurrentStage() == MatchSession::Stage::Joining) return;
  SettingsLine->setText(TextFromBytes(MatchSettingsText(session.Settings())));
  QStringList names;
  for (const LobbyPlayer& player : session.Players())
    names << TextFromBytes(player.Name) + (player.Gone ? " (gone)" : "");
  QStringList shown;
  for (int row = 0; row < PlayerList->count(); ++row) shown << PlayerList->item(row)->text();
  if (shown != names) {
    PlayerList->clear();
    PlayerList->addItems(names);
  }
}

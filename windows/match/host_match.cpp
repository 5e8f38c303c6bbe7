#include "windows/match/host_match.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "match/match_settings.h"
#include "platform/match_network.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/match/host_session.h"
#include "windows/words/host_check_session.h"

THostMatch::THostMatch(GameHost& host, std::unique_ptr<MatchNetwork> network)
    : TMatchLobby(host, "HostMatch", "Host a Match", {420, 342}), network_(std::move(network)) {
  OpenButton = MakeButton(this, "OpenButton", "&Open Lobby", {304, 8, 104, 29});
  OpenButton->setDefault(true);
  JoinLine = MakeLabel(this, "JoinLine", "", {12, 44, 396, 21}, ArialPixels(15));
  SettingsLine = MakeLabel(this, "SettingsLine", "", {12, 68, 396, 21}, ArialPixels(15));
  MakeLabel(this, "PlayersTitle", "Players", {12, 96, 200, 21}, ArialPixels(15, true));
  PlayerList = new QListWidget(this);
  PlayerList->setObjectName("PlayerList");
  PlayerList->setAccessibleName("Players");
  PlayerList->setGeometry(12, 120, 396, 130);
  TableRule = new QCheckBox("&Words found by two or more players score for none", this);
  TableRule->setObjectName("TableRule");
  TableRule->setGeometry(12, 258, 396, 21);
  TableRule->setFont(ArialPixels(15));
  TableRule->setChecked(host.Settings().TableRule);
  StatusLine = MakeLabel(this, "StatusLine", "", {12, 284, 396, 21}, ArialPixels(15));
  StartButton = MakeButton(this, "StartButton", "&Start", {224, 304, 89, 29});
  StartButton->setEnabled(false);
  QPushButton* close = MakeButton(this, "CloseButton", "&Close", {319, 304, 89, 29});

  connect(OpenButton, &QPushButton::clicked, this, &THostMatch::OpenClick);
  connect(StartButton, &QPushButton::clicked, this, &THostMatch::StartClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(TableRule, &QCheckBox::toggled, this, [this](bool on) {
    this->host.Settings().TableRule = on;
    if (session_) session_->SetTableRule(on);
  });
  RecordDesignLayout();
}

THostMatch::~THostMatch() = default;

std::unique_ptr<MatchSession> THostMatch::TakeSession() {
  if (!session_ || session_->CurrentStage() != MatchSession::Stage::Playing) return nullptr;
  return std::move(session_);
}

void THostMatch::OpenClick() {
  const std::optional<std::string> name = TakeName();
  if (!name) return;
  CheckSession check;
  if (!OpenCheckSession(check, host, this)) return;
  const WordListCheck words = WordListOf(check, host.Settings());
  CloseCheckSession(check);
  session_ = HostSession::Open(host, std::move(network_), *name, words, TableRule->isChecked());
  if (!session_) {
    host.Services().ShowMessage(this, "The game could not listen for players on this computer.",
                                "Error");
    reject();
    return;
  }
  QStringList addresses;
  for (const std::string& address : session_->Addresses()) addresses << TextFromBytes(address);
  JoinLine->setText(
      QString("Players join at %1, port %2.").arg(addresses.join(" or ")).arg(session_->Port()));
  OpenButton->setEnabled(false);
  StartButton->setDefault(true);
  Follow(*session_);
}

void THostMatch::StartClick() {
  if (session_->Start(this)) {
    StartButton->setEnabled(false);
    TableRule->setEnabled(false);
  }
}

QString THostMatch::WaitingText(MatchSession& session) {
  const bool company = session.Players().size() > 1;
  StartButton->setEnabled(company);
  return company ? "Press Start when everyone has joined." : "Waiting for players to join ...";
}

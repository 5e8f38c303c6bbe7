#include "windows/match/join_match.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "base/clock.h"
#include "match/match_address.h"
#include "match/match_settings.h"
#include "platform/match_network.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/match/player_session.h"
#include "windows/words/host_check_session.h"

namespace {

// A match not heard of for this long has closed its lobby.
constexpr int64_t kForgetMs = 5000;
// More than a network of players ever opens at once: strangers' datagrams cannot swell it.
constexpr std::size_t kMostMatchesShown = 32;

}  // namespace

TJoinMatch::TJoinMatch(GameHost& host, std::unique_ptr<MatchNetwork> network)
    : TMatchLobby(host, "JoinMatch", "Join a Match", {420, 403}), network_(std::move(network)) {
  MakeLabel(this, "MatchesTitle", "Matches nearby", {12, 44, 200, 21}, ArialPixels(15, true));
  MatchList = new QListWidget(this);
  MatchList->setObjectName("MatchList");
  MatchList->setAccessibleName("Matches nearby");
  MatchList->setGeometry(12, 68, 396, 90);
  MakeLabel(this, "AddressLabel", "&Address:", {12, 168, 100, 21}, ArialPixels(15));
  AddressEdit = new QLineEdit(this);
  AddressEdit->setObjectName("AddressEdit");
  AddressEdit->setGeometry(116, 164, 180, 25);
  AddressEdit->setMaxLength(255);
  findChild<QLabel*>("AddressLabel")->setBuddy(AddressEdit);
  JoinButton = MakeButton(this, "JoinButton", "&Join", {304, 162, 104, 29});
  JoinButton->setDefault(true);
  SettingsLine = MakeLabel(this, "SettingsLine", "", {12, 200, 396, 21}, ArialPixels(15));
  MakeLabel(this, "PlayersTitle", "Players", {12, 224, 200, 21}, ArialPixels(15, true));
  PlayerList = new QListWidget(this);
  PlayerList->setObjectName("PlayerList");
  PlayerList->setAccessibleName("Players");
  PlayerList->setGeometry(12, 248, 396, 90);
  StatusLine = MakeLabel(this, "StatusLine", "", {12, 344, 396, 21}, ArialPixels(15));
  QPushButton* close = MakeButton(this, "CloseButton", "&Close", {319, 366, 89, 29});

  connect(MatchList, &QListWidget::currentTextChanged, this, [this] {
    if (MatchList->currentItem())
      AddressEdit->setText(MatchList->currentItem()->data(Qt::UserRole).toString());
  });
  connect(MatchList, &QListWidget::itemActivated, this, &TJoinMatch::JoinClick);
  connect(JoinButton, &QPushButton::clicked, this, &TJoinMatch::JoinClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  network_->SetEvents({
      .Accepted = [this](int connection) { network_->Close(connection); },
      .Connected = [](int) {},
      .Received = [](int, std::string_view) {},
      .Closed = [](int) {},
      .Heard = [this](const std::string& address,
                      std::string_view datagram) { Hear(address, datagram); },
  });
  if (!network_->HearAnnouncements())
    StatusLine->setText("Matches nearby cannot be heard: type the host's address.");
  forgetting_ = host.Services().MakeTicker(1000, [this] { ShowMatches(); });
  forgetting_->Start();
  RecordDesignLayout();
}

TJoinMatch::~TJoinMatch() = default;

std::unique_ptr<MatchSession> TJoinMatch::TakeSession() {
  if (!session_ || session_->CurrentStage() != MatchSession::Stage::Playing) return nullptr;
  return std::move(session_);
}

// Only what reads as an announcement of this version shows; anything else is dropped.
void TJoinMatch::Hear(const std::string& address, std::string_view datagram) {
  const std::optional<Message> message = ReadMessage(datagram);
  const auto* announcement = message ? std::get_if<Announcement>(&*message) : nullptr;
  if (!announcement || announcement->Version != kProtocolVersion) return;
  const std::string where = address + ":" + std::to_string(announcement->Port);
  if (heard_.size() >= kMostMatchesShown && !heard_.contains(where)) return;
  heard_[where] = {*announcement, host.Services().MsClock().NowMs()};
  ShowMatches();
}

void TJoinMatch::ShowMatches() {
  const int64_t now = host.Services().MsClock().NowMs();
  std::erase_if(heard_, [now](const auto& entry) { return now - entry.second.LastMs > kForgetMs; });
  const QString chosen = MatchList->currentItem()
                             ? MatchList->currentItem()->data(Qt::UserRole).toString()
                             : QString();
  MatchList->clear();
  for (const auto& [where, match] : heard_) {
    const Announcement& what = match.What;
    auto* item = new QListWidgetItem(
        TextFromBytes(what.HostName + " - " + MatchSettingsText(what.Settings) + " - " +
                      std::to_string(what.Players) + (what.Players == 1 ? " player" : " players")),
        MatchList);
    item->setData(Qt::UserRole, TextFromBytes(where));
    if (item->data(Qt::UserRole).toString() == chosen) MatchList->setCurrentItem(item);
  }
}

void TJoinMatch::JoinClick() {
  const std::optional<std::string> name = TakeName();
  if (!name) return;
  const std::optional<std::string> typed = ExactTextToBytes(AddressEdit->text().trimmed());
  const std::optional<MatchAddress> address = typed ? ReadMatchAddress(*typed) : std::nullopt;
  if (!address) {
    host.Services().ShowMessage(
        this, "Please give the host's address, such as 192.168.1.5 or 192.168.1.5:47095.", "Error");
    AddressEdit->setFocus();
    return;
  }
  CheckSession check;
  if (!OpenCheckSession(check, host, this)) return;
  const WordListCheck words = WordListOf(check, host.Settings());
  CloseCheckSession(check);
  if (!network_) network_ = host.Services().MakeNetwork();
  if (!network_) return;
  forgetting_->Stop();
  session_ = std::make_unique<PlayerSession>(host, std::move(network_),
                                             Hello{kProtocolVersion, words, *name}, address->Host,
                                             address->Port);
  JoinButton->setEnabled(false);
  AddressEdit->setReadOnly(true);
  MatchList->setEnabled(false);
  Follow(*session_);
}

QString TJoinMatch::WaitingText(MatchSession& session) {
  if (session.CurrentStage() == MatchSession::Stage::Joining) return "Joining ...";
  const std::vector<LobbyPlayer> players = session.Players();
  const std::string hostName = players.empty() ? "the host" : players.front().Name;
  return TextFromBytes("Waiting for " + hostName + " to start the match.");
}

// Refused or not answered: the player is told why and may try again, with another name
// or address.
void TJoinMatch::MatchEnded(const std::string& message) {
  if (!message.empty()) host.Services().ShowMessage(this, TextFromBytes(message), "Match");
  ended_ = std::move(session_);
  JoinButton->setEnabled(true);
  AddressEdit->setReadOnly(false);
  MatchList->setEnabled(true);
  NameEdit->setReadOnly(false);
  StatusLine->clear();
}

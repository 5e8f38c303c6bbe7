// The match's windows on two copies of the game joined by a fake local network: the host
// opens a lobby, a player finds it and joins, both count down to one board, play, and
// see the same result; and what each is told when things go wrong.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "tests/fake_game_host.h"
#include "tests/newest_games.h"
#include "tests/temp_folder.h"
#include "windows/match/host_match.h"
#include "windows/match/join_match.h"
#include "windows/match/match_commands.h"
#include "windows/match/match_result.h"
#include "windows/match/match_session.h"
#include "words/engine/compiled_lexicon.h"

namespace {

// The rows of a table, each row's columns joined by "|".
QStringList Rows(QTreeWidget* table) {
  QStringList rows;
  for (int row = 0; row < table->topLevelItemCount(); ++row) {
    QStringList columns;
    for (int column = 0; column < table->columnCount(); ++column)
      columns << table->topLevelItem(row)->text(column);
    rows << columns.join("|");
  }
  return rows;
}

QStringList Items(QListWidget* list) {
  QStringList items;
  for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
  return items;
}

class MatchWindowsTest : public ::testing::Test {
 protected:
  MatchWindowsTest() {
    folder_.Write(
        "SPELAMC.TLX",
        CompiledLexiconBytes({"car", "care", "cat", "cats", "dog", "ear", "rat", "tar"}, 0x409));
    folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({"art"}, 0x409));
    for (FakeGameHost* game : {&host_, &player_}) {
      game->programDirectory = folder_.Path();
      game->platform.clock.stepMs = 0;
    }
    player_.platform.lan = host_.platform.lan;
    player_.platform.address = "192.168.1.11";
    // The host deals   C A T S
    //                  E R A X
    //                  D O G Q
    //                  Q Q Q Q
    for (const char letter : std::string("CATSERAXDOGQQQQQ")) {
      host_.platform.random.script.push_back(letter - 'A');
      host_.platform.random.script.push_back(0);  // every letter taken at its first draw
    }
  }

  FakeLan& Lan() { return *host_.platform.lan; }
  static void Tick(FakeGameHost& game) { game.platform.ticker->Tick(); }

  // The host's lobby, opened by "Ann".
  std::unique_ptr<THostMatch> OpenLobby() {
    auto lobby = std::make_unique<THostMatch>(host_, host_.platform.MakeNetwork());
    lobby->show();
    lobby->findChild<QLineEdit*>("NameEdit")->setText("Ann");
    QTest::mouseClick(lobby->findChild<QPushButton*>("OpenButton"), Qt::LeftButton);
    return lobby;
  }

  std::unique_ptr<TJoinMatch> JoinWindow() {
    auto join = std::make_unique<TJoinMatch>(player_, player_.platform.MakeNetwork());
    join->show();
    join->findChild<QLineEdit*>("NameEdit")->setText("Bo");
    return join;
  }

  static void Join(TJoinMatch& join, const QString& address) {
    join.findChild<QLineEdit*>("AddressEdit")->setText(address);
    QTest::mouseClick(join.findChild<QPushButton*>("JoinButton"), Qt::LeftButton);
  }

  TempFolder folder_;
  FakeGameHost host_;
  FakeGameHost player_;
};

TEST_F(MatchWindowsTest, APlayerFindsTheLobbyJoinsAndBothPlayOneBoardToOneResult) {
  std::unique_ptr<TJoinMatch> join = JoinWindow();
  std::unique_ptr<THostMatch> lobby = OpenLobby();
  EXPECT_EQ(lobby->findChild<QLabel*>("JoinLine")->text(),
            "Players join at 192.168.1.10, port 47095.");
  Lan().Deliver();
  auto* matches = join->findChild<QListWidget*>("MatchList");
  ASSERT_EQ(matches->count(), 1);
  EXPECT_EQ(matches->item(0)->text(),
            "Ann - 4 x 4, English (American), 3:00, words of 3 letters or more - 1 player");
  matches->setCurrentRow(0);
  EXPECT_EQ(join->findChild<QLineEdit*>("AddressEdit")->text(), "192.168.1.10:47095");
  QTest::mouseClick(join->findChild<QPushButton*>("JoinButton"), Qt::LeftButton);
  Lan().Deliver();
  Tick(host_);
  Tick(player_);
  EXPECT_EQ(Items(lobby->findChild<QListWidget*>("PlayerList")), (QStringList{"Ann", "Bo"}));
  EXPECT_EQ(Items(join->findChild<QListWidget*>("PlayerList")), (QStringList{"Ann", "Bo"}));
  EXPECT_EQ(join->findChild<QLabel*>("StatusLine")->text(), "Waiting for Ann to start the match.");
  EXPECT_EQ(player_.settings.PlayerName, "Bo");

  auto* start = lobby->findChild<QPushButton*>("StartButton");
  ASSERT_TRUE(start->isEnabled());
  QTest::mouseClick(start, Qt::LeftButton);
  Lan().Deliver();
  EXPECT_EQ(host_.platform.network->listeningOn, 0) << "the host still listens after the start";
  Tick(host_);
  Tick(player_);
  EXPECT_EQ(join->findChild<QLabel*>("StatusLine")->text(), "The match starts in 3 ...");
  for (FakeGameHost* game : {&host_, &player_}) {
    game->platform.clock.now += 3000;
    Tick(*game);
  }
  EXPECT_EQ(lobby->result(), QDialog::Accepted);
  EXPECT_EQ(join->result(), QDialog::Accepted);
  MatchSession::BeginGame(host_, lobby->TakeSession());
  MatchSession::BeginGame(player_, join->TakeSession());
  for (FakeGameHost* game : {&host_, &player_}) {
    EXPECT_EQ(game->board.Rows(4, 4), "CATSERAXDOGQQQQQ");
    EXPECT_EQ(game->startedGames, (std::vector<int32_t>{180}));
    ASSERT_NE(game->watcher, nullptr);
    EXPECT_TRUE(game->watcher->MatchGame());
  }

  host_.guesses = {"CAT", "DOG", "CARE"};
  player_.guesses = {"CAT", "RAT", "XYZ"};
  player_.watcher->GameStopped();
  host_.watcher->GameStopped();
  Lan().Deliver();
  std::map<FakeGameHost*, QStringList> shown;
  for (FakeGameHost* game : {&host_, &player_}) {
    game->unjudgedGame = true;
    game->platform.onExec = [&shown, game](QDialog& dialog) {
      auto* result = dynamic_cast<TMatchResult*>(&dialog);
      ASSERT_NE(result, nullptr);
      shown[game] = Rows(result->findChild<QTreeWidget*>("Ranking")) +
                    Rows(result->findChild<QTreeWidget*>("WordTable"));
    };
    Tick(*game);
  }
  // CAT was found by both, so it scores for neither; XYZ costs Bo a point.
  EXPECT_EQ(shown[&host_], (QStringList{"1|Ann (you)|2|3|", "2|Bo|0|2|", "CARE|1|Ann",
                                        "CAT|none|Ann, Bo", "DOG|1|Ann", "RAT|1|Bo"}));
  EXPECT_EQ(shown[&player_][1], "2|Bo (you)|0|2|");
  EXPECT_EQ(shown[&player_].mid(2), shown[&host_].mid(2));
  ASSERT_TRUE(host_.platform.History() != nullptr);
  const std::vector<int64_t> games = NewestGames(*host_.platform.History());
  ASSERT_EQ(games.size(), 1u);
  EXPECT_TRUE(host_.platform.History()->Game(games[0]).Match);
}

TEST_F(MatchWindowsTest, ABadNameOrAddressIsRefusedBeforeAnythingIsSent) {
  std::unique_ptr<TJoinMatch> join = JoinWindow();
  join->findChild<QLineEdit*>("NameEdit")->setText("   ");
  Join(*join, "192.168.1.10");
  join->findChild<QLineEdit*>("NameEdit")->setText("Bo");
  Join(*join, "192.168.1.10:0");
  ASSERT_EQ(player_.platform.messages.size(), 2u);
  EXPECT_EQ(player_.platform.messages[0].text.toStdString(), kBadPlayerName);
  EXPECT_EQ(player_.platform.messages[1].text,
            "Please give the host's address, such as 192.168.1.5 or 192.168.1.5:47095.");
  EXPECT_TRUE(player_.platform.network->sent.empty());
  EXPECT_TRUE(player_.settings.PlayerName.empty());
}

TEST_F(MatchWindowsTest, APlayerRefusedIsToldWhyAndMayTryAgainUnderAnotherName) {
  std::unique_ptr<THostMatch> lobby = OpenLobby();
  std::unique_ptr<TJoinMatch> join = JoinWindow();
  join->findChild<QLineEdit*>("NameEdit")->setText("ann");
  Join(*join, "192.168.1.10");
  Lan().Deliver();
  Tick(player_);
  ASSERT_EQ(player_.platform.messages.size(), 1u);
  EXPECT_EQ(player_.platform.messages[0].text,
            "A player named ann has joined already. Please choose another name.");
  EXPECT_TRUE(join->isVisible());

  join->findChild<QLineEdit*>("NameEdit")->setText("Bo");
  Join(*join, "192.168.1.10");
  Lan().Deliver();
  Tick(player_);
  EXPECT_EQ(Items(join->findChild<QListWidget*>("PlayerList")), (QStringList{"Ann", "Bo"}));
}

TEST_F(MatchWindowsTest, TheHostClosingItsLobbyEndsTheMatchForThePlayerWithAMessage) {
  std::unique_ptr<THostMatch> lobby = OpenLobby();
  std::unique_ptr<TJoinMatch> join = JoinWindow();
  Join(*join, "192.168.1.10");
  Lan().Deliver();
  lobby.reset();
  Lan().Deliver();
  Tick(player_);
  ASSERT_EQ(player_.platform.messages.size(), 1u);
  EXPECT_EQ(player_.platform.messages[0].text, "The host has ended the match.");
}

TEST_F(MatchWindowsTest, WithoutTheNetworkModuleThePlayerIsToldSo) {
  host_.platform.networkMissing = true;
  HostMatch(host_);
  ASSERT_EQ(host_.platform.messages.size(), 1u);
  EXPECT_EQ(host_.platform.messages[0].text,
            "The network support of the game could not be loaded.");
  EXPECT_TRUE(host_.platform.dialogsShown.empty());
}

}  // namespace

// The match over real sockets on 127.0.0.1, through the network module: three players
// and the table rule, and strangers who send too much, nonsense or nothing while the
// host goes on answering. The match's clock is the test's; only the sockets are real.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QTcpSocket>
#include <functional>
#include <memory>

#include "match/match_client.h"
#include "match/match_host.h"
#include "platform/match_network.h"
#include "platform/plugin_modules.h"
#include "tests/match/match_board.h"

namespace {

std::unique_ptr<MatchNetwork> MakeNetwork() {
  const auto create = reinterpret_cast<CreateNetworkFunction>(
      QLibrary::resolve(QString(TOLVANE_PROGRAM_DIR) + "/" + kNetworkModule, kCreateNetworkSymbol));
  return std::unique_ptr<MatchNetwork>(create ? create() : nullptr);
}

// Lets the sockets work until `done`, for at most five seconds of the machine's time.
bool Until(const std::function<bool()>& done) {
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

const WordListCheck kWords{"en", true, 7};

MatchSettings Settings() {
  MatchSettings settings;
  settings.Language = "en";
  return settings;
}

// A host listening on a free port of 127.0.0.1, on the test's clock.
struct LoopbackHost {
  LoopbackHost() : network(MakeNetwork()) {
    port = network->Listen(0);
    match = std::make_unique<MatchHost>(*network, Settings(), kWords, "Host", port);
    network->SetEvents({
        .Accepted = [this](int connection) { match->Accepted(connection, now); },
        .Connected = [](int) {},
        .Received = [this](int connection,
                           std::string_view bytes) { match->Received(connection, bytes, now); },
        .Closed = [this](int connection) { match->Closed(connection, now); },
        .Heard = [](const std::string&, std::string_view) {},
    });
  }
  std::unique_ptr<MatchNetwork> network;
  uint16_t port = 0;
  int64_t now = 0;
  std::unique_ptr<MatchHost> match;
};

struct LoopbackPlayer {
  LoopbackPlayer(const std::string& name, uint16_t port) : network(MakeNetwork()) {
    client = std::make_unique<MatchClient>(*network, Hello{kProtocolVersion, kWords, name}, 0);
    network->SetEvents({
        .Accepted = [](int) {},
        .Connected = [this](int connection) { client->Connected(connection, 0); },
        .Received = [this](int connection,
                           std::string_view bytes) { client->Received(connection, bytes, 0); },
        .Closed = [this](int connection) { client->Closed(connection, 0); },
        .Heard = [](const std::string&, std::string_view) {},
    });
    network->Connect("127.0.0.1", port);
  }
  std::unique_ptr<MatchNetwork> network;
  std::unique_ptr<MatchClient> client;
};

TEST(NetworkModule, ThreePlayersOverLoopbackGetOneBoardAndOneResultWithTheTableRule) {
  LoopbackHost host;
  ASSERT_NE(host.network, nullptr) << "the network module is missing from the program's folder";
  ASSERT_NE(host.port, 0);
  LoopbackPlayer ann("Ann", host.port);
  LoopbackPlayer bo("Bo", host.port);
  ASSERT_TRUE(Until([&] {
    return ann.client->LobbyShown().Players.size() == 3 &&
           bo.client->LobbyShown().Players.size() == 3;
  }));
  host.network->StopListening();
  ASSERT_TRUE(host.match->Start(TestMatchBoard(), host.now));
  ASSERT_TRUE(Until([&] {
    return ann.client->CurrentPhase() == MatchClient::Phase::CountDown &&
           bo.client->CurrentPhase() == MatchClient::Phase::CountDown;
  }));
  EXPECT_EQ(bo.client->Start().Letters, "CATSERAXDOGQQQQQ");

  ann.client->OwnGuesses({"CAT", "EAR", "CARE"});
  bo.client->OwnGuesses({"DOG", "TAR", "RO"});
  host.match->OwnGuesses({"CAT", "DOG", "ZZZ"}, host.now);
  ASSERT_TRUE(Until([&] { return ann.client->Result() && bo.client->Result(); }));
  EXPECT_EQ(ann.client->Result(), host.match->Result());
  EXPECT_EQ(bo.client->Result(), host.match->Result());
  const std::vector<RankedPlayer>& ranking = host.match->Result()->Ranking;
  ASSERT_EQ(ranking.size(), 3u);
  EXPECT_EQ(ranking[0].Name, "Ann");
  EXPECT_EQ(ranking[0].Score, 2);  // CAT, found by the host too, scores for neither
  EXPECT_EQ(ranking[2].Name, "Host");
  EXPECT_EQ(ranking[2].Score, -1);
}

TEST(NetworkModule, AHostileStrangerIsCutOffAndTheHostStillLetsPlayersIn) {
  ByteWriter oversized;
  oversized.U32(1u << 30);
  struct Case {
    const char* what;
    QByteArray bytes;
    int64_t silentMs;  // the match's clock moved on after the bytes
  };
  const Case cases[] = {
      {"a message of a gigabyte", QByteArray::fromStdString(oversized.Take() + "xxxx"), 0},
      {"a message that is no message", QByteArray::fromStdString(Framed("\x01\x02junk")), 0},
      {"a megabyte of nonsense", QByteArray(1 << 20, '\x7f'), 0},
      {"nothing, for 10 seconds", QByteArray(), kSilenceMs + 250},
      {"half a Hello, then nothing",
       QByteArray::fromStdString(
           FramedMessage(Hello{kProtocolVersion, kWords, "Eve"}).substr(0, 9)),
       kSilenceMs + 250},
  };
  for (const Case& c : cases) {
    LoopbackHost host;
    QTcpSocket stranger;
    stranger.connectToHost("127.0.0.1", host.port);
    ASSERT_TRUE(Until([&] { return host.match->Connections() == 1; })) << c.what;
    stranger.write(c.bytes);
    host.now += c.silentMs;
    host.match->Tick(host.now);
    EXPECT_TRUE(Until([&] { return stranger.state() == QAbstractSocket::UnconnectedState; }))
        << c.what;

    LoopbackPlayer ann("Ann", host.port);
    EXPECT_TRUE(Until([&] { return ann.client->CurrentPhase() == MatchClient::Phase::Lobby; }))
        << c.what;
    EXPECT_EQ(host.match->Players().size(), 2u) << c.what;
  }
}

}  // namespace

// What a player of a match waits on. The end: eight lists of 200 guesses judged by the
// host with the real American lexicons, sent, read and shown in the Match Result window,
// beside one player's Check List of 200 guesses. Joining: a player connecting over
// 127.0.0.1 until the host has them in its lobby, beside a bare TCP connection's first
// round trip on the same machine.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/random_source.h"
#include "game/scramble.h"
#include "match/match_client.h"
#include "match/match_host.h"
#include "match/match_judging.h"
#include "platform/match_network.h"
#include "platform/plugin_modules.h"
#include "tests/fake_game_host.h"
#include "windows/match/match_result.h"
#include "words/board_search/board_search.h"
#include "words/check_session.h"
#include "words/word_finder.h"

namespace {

void FailOnMessage(const std::string& text, const std::string&) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::abort();
}

// A dealt 5 x 5 board with its words, and eight lists of 200 guesses: each player finds
// a share of the words (many the same ones, as players do) and guesses wrong a third of
// the time.
struct EightPlayers {
  EightPlayers() {
    CheckSession session;
    if (!OpenCheckSession(session, TOLVANE_PROGRAM_DIR, TOLVANE_PROGRAM_DIR, true, FailOnMessage))
      std::abort();
    board.Settings.Height = board.Settings.Width = 5;
    board.Grid.ComputeCellOnBoard(5, 5);
    XorShiftRandom random(32);
    do {
      ScrambleLetters(board.Grid, board.Settings, random);
      board.Words.clear();
      for (BoardWord& word : FindWords(board.Grid, session, 3, false))
        board.Words.push_back(std::move(word.Word));
    } while (board.Words.size() < 300);
    CloseCheckSession(session);
    std::sort(board.Words.begin(), board.Words.end());
    for (uint8_t id = 0; id < 8; ++id) {
      PlayerList player{id, "Player " + std::to_string(id), PlayerState::Played, {}};
      while (player.Guesses.size() < 200) {
        const int pick = random.Random(3);
        player.Guesses.push_back(
            pick < 2 ? board.Words[static_cast<std::size_t>(
                           random.Random(static_cast<int>(board.Words.size())))]
                     : std::string("QX") + static_cast<char>('A' + random.Random(26)));
      }
      lists.push_back(std::move(player));
    }
  }
  MatchBoard board;
  std::vector<PlayerList> lists;
};

const EightPlayers& Players() {
  static const EightPlayers players;
  return players;
}

// The reference: one player's Check List of 200 guesses, on the same board.
void BM_CheckListOf200(benchmark::State& state) {
  const EightPlayers& players = Players();
  const MatchBoard& board = players.board;
  CheckSession session;
  OpenCheckSession(session, TOLVANE_PROGRAM_DIR, TOLVANE_PROGRAM_DIR, true, FailOnMessage);
  for (auto _ : state) {
    const ScoreSheet sheet = ScoreGuesses(
        players.lists[0].Guesses, board.Settings,
        [&](const std::string& word) { return InPuzzle(board.Grid, word, false); },
        [&](const std::string& word) { return InSpeller(session, word); });
    benchmark::DoNotOptimize(sheet.TotalScore);
  }
  CloseCheckSession(session);
}
BENCHMARK(BM_CheckListOf200)->Unit(benchmark::kMillisecond);

// The end of a match: judged, sent to a player, read there and shown.
void BM_EightListsJudgedAndShown(benchmark::State& state) {
  const EightPlayers& players = Players();
  FakeGameHost host;
  for (auto _ : state) {
    const MatchResult result = JudgeMatch(players.board, players.lists, true);
    const std::string bytes = EncodeMessage(result);
    const std::optional<Message> read = ReadMessage(bytes);
    TMatchResult window(host, std::get<MatchResult>(*read), 3);
    window.show();
    QApplication::processEvents();
    state.counters["words"] = static_cast<double>(result.Words.size());
  }
}
BENCHMARK(BM_EightListsJudgedAndShown)->Unit(benchmark::kMillisecond);

std::unique_ptr<MatchNetwork> MakeNetwork() {
  const auto create = reinterpret_cast<CreateNetworkFunction>(
      QLibrary::resolve(QString(TOLVANE_PROGRAM_DIR) + "/" + kNetworkModule, kCreateNetworkSymbol));
  if (!create) std::abort();
  return std::unique_ptr<MatchNetwork>(create());
}

template <typename Done>
void Until(Done done) {
  while (!done()) QApplication::processEvents(QEventLoop::AllEvents, 1);
}

// The reference: a bare TCP connection to a server on this machine and one byte there
// and back.
void BM_BareLoopbackRoundTrip(benchmark::State& state) {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost, 0);
  QObject::connect(&server, &QTcpServer::newConnection, [&] {
    QTcpSocket* socket = server.nextPendingConnection();
    QObject::connect(socket, &QTcpSocket::readyRead,
                     [socket] { socket->write(socket->readAll()); });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  });
  for (auto _ : state) {
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.serverPort());
    Until([&] { return client.state() == QAbstractSocket::ConnectedState; });
    client.write("x");
    Until([&] { return client.bytesAvailable() > 0; });
  }
}
BENCHMARK(BM_BareLoopbackRoundTrip)->Unit(benchmark::kMillisecond);

// A player joins: from connecting until the host has them in the lobby and they have the
// lobby. The lobby window shows the host's list on its next tick, at most 100 ms on.
void BM_JoinOverLoopback(benchmark::State& state) {
  std::unique_ptr<MatchNetwork> hostNetwork = MakeNetwork();
  const uint16_t port = hostNetwork->Listen(0);
  MatchSettings settings;
  settings.Language = "en";
  const WordListCheck words{"en", true, 1};
  MatchHost host(*hostNetwork, settings, words, "Host", port);
  hostNetwork->SetEvents({
      .Accepted = [&](int connection) { host.Accepted(connection, 0); },
      .Connected = [](int) {},
      .Received = [&](int connection,
                      std::string_view bytes) { host.Received(connection, bytes, 0); },
      .Closed = [&](int connection) { host.Closed(connection, 0); },
      .Heard = [](const std::string&, std::string_view) {},
  });
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<MatchNetwork> network = MakeNetwork();
    MatchClient player(*network, Hello{kProtocolVersion, words, "Ann"}, 0);
    network->SetEvents({
        .Accepted = [](int) {},
        .Connected = [&](int connection) { player.Connected(connection, 0); },
        .Received = [&](int connection,
                        std::string_view bytes) { player.Received(connection, bytes, 0); },
        .Closed = [&](int connection) { player.Closed(connection, 0); },
        .Heard = [](const std::string&, std::string_view) {},
    });
    state.ResumeTiming();
    network->Connect("127.0.0.1", port);
    Until([&] { return host.Players().size() == 2 && !player.LobbyShown().Players.empty(); });
    state.PauseTiming();
    player.Leave();
    Until([&] { return host.Players().size() == 1; });
    state.ResumeTiming();
  }
}
BENCHMARK(BM_JoinOverLoopback)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

#include "windows/match/match_session.h"

#include <algorithm>

#include "base/clock.h"
#include "platform/game_host.h"
#include "platform/match_network.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "windows/history/record_game.h"
#include "windows/match/match_result.h"
#include "windows/scaled_dialog.h"
#include "windows/words/host_check_session.h"

namespace {

// Fine enough for the count-down and for a new player to show at once.
constexpr int kTickMs = 100;

}  // namespace

MatchSession::MatchSession(GameHost& host, std::unique_ptr<MatchNetwork> network)
    : host_(host), network_(std::move(network)) {
  ticker_ = host_.Services().MakeTicker(kTickMs, [this] { Tick(); });
  ticker_->Start();
}

MatchSession::~MatchSession() = default;

int64_t MatchSession::Now() { return host_.Services().MsClock().NowMs(); }

int64_t MatchSession::MsToStart() { return std::max<int64_t>(0, StartsAtMs() - Now()); }

void MatchSession::BeginGame(GameHost& host, std::unique_ptr<MatchSession> session) {
  const MatchSettings& settings = session->Settings();
  host.Board() = LetterGrid::FromRows(session->Letters(), settings.Height, settings.Width);
  host.Settings().Height = settings.Height;
  host.Settings().Width = settings.Width;
  host.BoardLoaded();
  session->onTick = nullptr;
  const int32_t seconds = settings.GameSeconds;
  host.StartGame(seconds, std::move(session));
}

void MatchSession::GameStopped() { HandIn(host_.Guesses()); }

void MatchSession::Tick() {
  TickMatch(Now());
  if (host_.Watcher() == this)
    AfterTheGame();
  else if (onTick)
    onTick();
}

// Once the main window has the match: the result, or why there is none, told once.
void MatchSession::AfterTheGame() {
  const Stage stage = CurrentStage();
  if (told_ || (stage != Stage::Done && stage != Stage::Ended)) return;
  told_ = true;
  ticker_->Stop();
  if (stage == Stage::Ended) {
    host_.Services().ShowMessage(host_.Window(), TextFromBytes(EndMessage()), "Match");
    return;
  }
  // A game Check List has judged is in the history already.
  CheckSession session;
  if (!host_.JudgedSheet() && OpenCheckSession(session, host_, host_.Window())) {
    RecordJudgedGame(host_, host_.Window(), JudgeGuessList(host_, session), session);
    CloseCheckSession(session);
  }
  ShowDialog<TMatchResult>(host_, *Result(), PlayerId());
}

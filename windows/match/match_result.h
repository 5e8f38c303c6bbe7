#pragma once

#include <cstdint>

#include "match/match_messages.h"
#include "windows/scaled_dialog.h"

class QTreeWidget;

// "Match Result": the same for every player of a match, as the host judged it. The
// players ranked by score, and every word found with its points and who found it; with
// the table rule, a word found by two or more players shows that it scored for none.
class TMatchResult : public TScaledDialog {
  Q_OBJECT
 public:
  // `ownId` is the player this copy of the game plays: that row is marked.
  TMatchResult(GameHost& host, const MatchResult& result, uint8_t ownId);

 private:
  QTreeWidget* Ranking = nullptr;
  QTreeWidget* WordTable = nullptr;
};

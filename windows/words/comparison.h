#pragma once

#include <array>
#include <string>

#include "history/challenge_comparison.h"
#include "windows/scaled_dialog.h"
#include "words/definitions/word_meanings.h"

class QPlainTextEdit;
class QTreeWidget;

// "Comparison": a challenge played, beside the challenger's game. Both names and scores,
// and three lists: the words found by both, only by this player and only by the
// challenger, each word with its points; the word chosen in any list shows what it means.
class TComparison : public TScaledDialog {
  Q_OBJECT
 public:
  TComparison(GameHost& host, const std::string& theirName, int64_t theirScore, int64_t yourScore,
              const ChallengeComparison& comparison);

 private:
  void WordChosen(QTreeWidget* list);

  WordMeanings meanings_;
  std::array<QTreeWidget*, 3> Lists{};  // both, only you, only them
  QPlainTextEdit* DefinitionText = nullptr;
};

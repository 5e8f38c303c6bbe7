// A challenge between two copies of the game, each with its own settings: one plays a
// board and copies the challenge, the other plays the code in the same length and, after
// Check List, compares; and the codes a copy cannot play are refused, saying why.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/main_win.h"
#include "history/challenge_code.h"
#include "tests/fake_game_host.h"
#include "tests/fake_platform.h"
#include "windows/history/challenge_commands.h"
#include "windows/words/comparison.h"
#include "words/engine/compiled_lexicon.h"

namespace {

// C A T S
// E R A X      on a 4 x 4 board
// D O G Q
// Q Q Q Q
constexpr const char* kBoard = "CATSXERAXXDOGQXQQQQXXXXXX";

QStringList Words(QDialog& dialog, const char* list) {
  QStringList words;
  const auto* table = dialog.findChild<QTreeWidget*>(list);
  for (int row = 0; row < table->topLevelItemCount(); ++row)
    words << table->topLevelItem(row)->text(0) + " " + table->topLevelItem(row)->text(1);
  return words;
}

// One copy of the game with its own settings file.
struct Copy {
  Copy() {
    platform.currentDirectory = dir.path().toStdString();
    platform.settingsFile = (dir.path() + "/TOLVANE.INI").toStdString();
    window = std::make_unique<TMainWin>(platform);
    window->show();
  }
  QAction* Menu(const char* name) { return window->MenuItem(name); }
  QPushButton* Button(const char* name) { return window->findChild<QPushButton*>(name); }
  void Type(const QString& word) {
    auto* entry = window->findChild<QLineEdit*>("WordEntry");
    entry->setText(word);
    QTest::keyClick(entry, Qt::Key_Return);
  }
  // The game in play ended early and judged.
  void EnterAndCheck(const QStringList& words) {
    for (const QString& word : words) Type(word);
    Button("ExitButton")->click();
    Button("CheckList")->click();
  }

  QTemporaryDir dir;
  FakePlatform platform;
  std::unique_ptr<TMainWin> window;
};

TEST(Challenge, AGameCopiedAsACodeIsPlayedByAnotherCopyAndCompared) {
  Copy ann;
  ann.window->Settings().Height = ann.window->Settings().Width = 4;
  ann.window->Settings().Seconds = 30;
  ann.window->Board().ComputeCellOnBoard(4, 4);
  for (int cell = 1; cell <= 25; ++cell) ann.window->Board().Letters[cell] = kBoard[cell - 1];
  ann.window->BoardLoaded();
  ann.Menu("MenuCopyChallenge")->trigger();
  ASSERT_EQ(ann.platform.messages.size(), 1u);
  EXPECT_EQ(ann.platform.messages[0].text,
            "A challenge is copied after Check List has judged a game.");

  ann.Button("Start")->click();
  EXPECT_FALSE(ann.Menu("MenuCopyChallenge")->isEnabled());
  ann.EnterAndCheck({"CAT", "DOG", "CARE", "ZZZ"});
  ann.platform.textAnswers = {"Ann"};
  ann.Menu("MenuCopyChallenge")->trigger();
  const QString code = ann.platform.clipboard;
  ASSERT_TRUE(code.startsWith('C')) << code.toStdString();
  EXPECT_EQ(ann.window->Settings().PlayerName, "Ann");

  Copy bo;
  bo.platform.textAnswers = {code.toLower()};
  bo.Menu("MenuPlayChallenge")->trigger();
  ASSERT_EQ(bo.platform.messages.size(), 1u);
  EXPECT_EQ(bo.platform.messages[0].text,
            "Ann challenges you with 2 points on this board. The game starts when you close "
            "this message.");
  EXPECT_EQ(bo.window->Board().Rows(4, 4), "CATSERAXDOGQQQQQ");
  EXPECT_EQ(bo.window->GameSeconds(), 3 * 60 + 30);
  EXPECT_EQ(bo.Button("ExitButton")->text(), "Abort");
  EXPECT_EQ(bo.window->Settings().Minutes * 60 + bo.window->Settings().Seconds, 180)
      << "the challenge's length is not the player's setting";

  std::map<std::string, QStringList> shown;
  bo.platform.onExec = [&](QDialog& dialog) {
    if (dialog.objectName() != "Comparison") return;
    shown["score"] = {dialog.findChild<QLabel*>("ScoreLine")->text()};
    for (const char* list : {"BothList", "YoursList", "TheirsList"})
      shown[list] = Words(dialog, list);
  };
  bo.EnterAndCheck({"CAT", "EAR", "TARS"});
  EXPECT_EQ(shown["score"], QStringList{"Ann: 2 points.  You: 1 point."});
  EXPECT_EQ(shown["BothList"], QStringList{"CAT 1"});
  EXPECT_EQ(shown["YoursList"], QStringList{"EAR 1"});
  EXPECT_EQ(shown["TheirsList"], (QStringList{"CARE 1", "DOG 1"}));
}

// A copy of the game whose dictionary holds the board's words "CAT" and "TEA".
class ChallengeRefusalTest : public ::testing::Test {
 protected:
  ChallengeRefusalTest() {
    folder_.Write("SPELAMC.TLX", CompiledLexiconBytes({"cat", "tea"}, 0x409));
    folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({}, 0x409));
    host_.programDirectory = folder_.Path();
  }

  static Challenge OnTheBoard() {
    Challenge challenge;
    challenge.Letters = "CATQQAEQQQQQQQQQ";  // CAT and TEA
    challenge.Language = "en";
    challenge.Name = "Ann";
    challenge.WordCount = 2;
    challenge.WordListHash = WordListHash({"CAT", "TEA"});
    challenge.Found = {true, false};
    return challenge;
  }

  TempFolder folder_;
  FakeGameHost host_;
};

TEST_F(ChallengeRefusalTest, ACodeThisCopyCannotPlayIsRefusedSayingWhy) {
  Challenge otherList = OnTheBoard();
  otherList.WordCount = 3;
  otherList.Found.push_back(false);
  Challenge british = OnTheBoard();
  british.AmericanDictionary = false;
  Challenge unknown = OnTheBoard();
  unknown.Language = "xx";
  Challenge newerMode = OnTheBoard();
  newerMode.Mode = "relay";
  struct Case {
    QString code;
    QString message;
  };
  const Case cases[] = {
      {"4X4-ABCD-EFGH-IJKL-MNOP-1",
       "That is not a challenge code. A challenge code begins with C and is copied with Copy "
       "Challenge after a game."},
      {QString::fromStdString(*ChallengeCode(otherList)),
       "This challenge was made with another word list: the board has 3 words there and 2 "
       "here. Another version of the dictionary, or words that one of you added to it or "
       "excluded, make the difference."},
      {QString::fromStdString(*ChallengeCode(british)),
       "This challenge was played with the British dictionary. Choose it in the Options menu "
       "to play the challenge."},
      {QString::fromStdString(*ChallengeCode(unknown)),
       "This challenge is played in the language \"xx\", which this copy of the game does "
       "not have."},
      {QString::fromStdString(*ChallengeCode(newerMode)),
       "This challenge is played in a game mode this copy of the game does not have."},
  };
  for (const Case& c : cases) {
    host_.platform.messages.clear();
    host_.platform.textAnswers = {c.code};
    PlayChallenge(host_);
    ASSERT_EQ(host_.platform.messages.size(), 1u) << c.code.toStdString();
    EXPECT_EQ(host_.platform.messages[0].text, c.message);
    EXPECT_TRUE(host_.startedGames.empty());
    EXPECT_EQ(host_.boardLoaded, 0);
  }
  // The challenger's mode is played, whatever the player chose for their own games.
  for (const GameMode mode : {GameMode::Classic, GameMode::Refill}) {
    Challenge challenge = OnTheBoard();
    if (mode != GameMode::Classic) challenge.Mode = ModeRow(mode).Code;
    host_.settings.Mode = GameMode::Strikeout;
    host_.platform.textAnswers = {QString::fromStdString(*ChallengeCode(challenge))};
    PlayChallenge(host_);
    ASSERT_NE(host_.Watcher(), nullptr);
    EXPECT_EQ(host_.Watcher()->Mode(), mode);
  }
  EXPECT_EQ(host_.startedGames, (std::vector<int32_t>{180, 180}));
}

}  // namespace

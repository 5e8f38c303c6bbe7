#include "windows/history/challenge_commands.h"

#include <algorithm>

#include "base/text_utils.h"
#include "game/game_mode.h"
#include "history/best_ten.h"
#include "history/challenge_code.h"
#include "match/match_messages.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "windows/scaled_dialog.h"
#include "windows/words/comparison.h"
#include "windows/words/host_check_session.h"
#include "words/language.h"
#include "words/scoring.h"

namespace {

// A Classic game leaves the mode out, as challenges did before there were modes.
GameMode ChallengeMode(const Challenge& challenge) {
  return challenge.Mode.empty() ? GameMode::Classic
                                : ModeFromCode(challenge.Mode).value_or(GameMode::Classic);
}

// Follows the game of a challenge and, once Check List has judged it, sets it beside the
// challenger's.
class ChallengeWatcher : public GameWatcher {
 public:
  ChallengeWatcher(GameHost& host, Challenge challenge, std::vector<std::string> words)
      : host_(host), challenge_(std::move(challenge)), words_(std::move(words)) {}

  GameMode Mode() const override { return ChallengeMode(challenge_); }

  void ListChecked(const ScoreSheet& sheet) override {
    if (compared_) return;
    compared_ = true;
    ShowDialog<TComparison>(
        host_, challenge_.Name, int64_t{challenge_.Score}, sheet.TotalScore,
        CompareWithChallenge(words_, challenge_.Found, sheet.ValidWords, host_.Settings()));
  }

 private:
  GameHost& host_;
  Challenge challenge_;
  std::vector<std::string> words_;
  bool compared_ = false;
};

// The name kept in the settings; asked for while there is none that will do.
std::optional<std::string> PlayerName(GameHost& host) {
  std::string& name = host.Settings().PlayerName;
  while (!IsValidPlayerName(name)) {
    const std::optional<QString> typed =
        host.Services().GetText(host.Window(), "Your Name", "Your name, for your challenges:");
    if (!typed) return std::nullopt;
    const std::optional<std::string> bytes = ExactTextToBytes(typed->trimmed());
    if (bytes && IsValidPlayerName(*bytes))
      name = *bytes;
    else
      host.Services().ShowMessage(host.Window(), kBadPlayerName, "Error");
  }
  return name;
}

// Why `challenge` cannot be played here; empty when it can (in its language, which may
// not be the one chosen).
std::string Refusal(const Challenge& challenge, const GameSettings& settings) {
  const Language* language = FindLanguage(challenge.Language);
  if (!language)
    return "This challenge is played in the language \"" + challenge.Language +
           "\", which this copy of the game does not have.";
  if (!std::all_of(challenge.Letters.begin(), challenge.Letters.end(),
                   [&](char letter) { return IsTile(*language, letter); }))
    return ChallengeCodeMessage(ChallengeCodeResult::NotAChallengeCode);
  if (!challenge.Mode.empty() && !ModeFromCode(challenge.Mode))
    return "This challenge is played in a game mode this copy of the game does not have.";
  if (language->HasDictionaryChoice() &&
      challenge.AmericanDictionary != settings.AmericanDictionary)
    return "This challenge was played with the " +
           DictionaryText(challenge.Language, challenge.AmericanDictionary) +
           " dictionary. Choose it in the Options menu to play the challenge.";
  return "";
}

}  // namespace

void CopyChallenge(GameHost& host) {
  Platform& platform = host.Services();
  const ScoreSheet* sheet = host.JudgedSheet();
  if (!sheet) {
    platform.ShowMessage(host.Window(), "A challenge is copied after Check List has judged a game.",
                         "Error");
    return;
  }
  // The board the judged guesses were entered on, which may no longer be the one shown.
  const PlayedBoard& board = host.GameBoard();
  const GameSettings& settings = host.Settings();
  const std::optional<std::vector<std::string>> words =
      SortedBoardWords(host, host.Window(), board.Grid, settings.MinimumWordLength,
                       settings.RepeatingLettersAllowed);
  if (!words) return;
  const std::optional<std::string> name = PlayerName(host);
  if (!name) return;
  Challenge challenge;
  challenge.Height = board.Height;
  challenge.Width = board.Width;
  challenge.Letters = board.Grid.Rows(board.Height, board.Width);
  challenge.Language = settings.LanguageCode;
  challenge.AmericanDictionary = JudgesWithAmerican(settings);
  challenge.GameSeconds = host.GameSeconds();
  if (const GameMode mode = host.GameModePlayed().Mode; mode != GameMode::Classic)
    challenge.Mode = ModeRow(mode).Code;
  challenge.MinimumWordLength = settings.MinimumWordLength;
  challenge.RepeatingLettersAllowed = settings.RepeatingLettersAllowed;
  challenge.Name = *name;
  challenge.Score =
      static_cast<int32_t>(std::clamp<int64_t>(sheet->TotalScore, INT32_MIN, INT32_MAX));
  challenge.WordCount = static_cast<uint32_t>(words->size());
  challenge.WordListHash = WordListHash(*words);
  challenge.Found = FoundMarks(*words, sheet->ValidWords);
  const std::optional<std::string> code = ChallengeCode(challenge);
  if (!code) {
    platform.ShowMessage(host.Window(), "This board cannot be given as a challenge code.", "Error");
    return;
  }
  platform.SetClipboardText(TextFromBytes(*code));
}

void PlayChallenge(GameHost& host) {
  Platform& platform = host.Services();
  const std::optional<QString> typed =
      platform.GetText(host.Window(), "Play Challenge", "Challenge code:");
  if (!typed) return;
  Challenge challenge;
  const ChallengeCodeResult result = ReadChallengeCode(CodeTextToBytes(*typed), challenge);
  const auto refuse = [&](const std::string& text) {
    platform.ShowMessage(host.Window(), TextFromBytes(text), "Error");
  };
  if (result != ChallengeCodeResult::Ok) return refuse(ChallengeCodeMessage(result));
  if (const std::string refusal = Refusal(challenge, host.Settings()); !refusal.empty())
    return refuse(refusal);
  // Played in its own language; nothing changes when that one's dictionary is missing.
  const Language& language = *FindLanguage(challenge.Language);
  const bool otherLanguage = &language != &ChosenLanguage(host.Settings());
  if (otherLanguage && !ChooseLanguage(host, language)) return;

  const LetterGrid board =
      LetterGrid::FromRows(challenge.Letters, challenge.Height, challenge.Width);
  const std::optional<std::vector<std::string>> words = SortedBoardWords(
      host, host.Window(), board, challenge.MinimumWordLength, challenge.RepeatingLettersAllowed);
  if (!words) return;
  if (words->size() != challenge.WordCount || WordListHash(*words) != challenge.WordListHash)
    return refuse("This challenge was made with another word list: the board has " +
                  std::to_string(challenge.WordCount) + " words there and " +
                  std::to_string(words->size()) +
                  " here. Another version of the dictionary, or words that one of you added "
                  "to it or excluded, make the difference.");

  host.Board() = board;
  host.Settings().Height = challenge.Height;
  host.Settings().Width = challenge.Width;
  host.BoardLoaded();
  const int32_t seconds = challenge.GameSeconds;
  platform.ShowMessage(
      host.Window(),
      TextFromBytes(
          challenge.Name + " challenges you with " + PointsText(challenge.Score) +
          " on this board" +
          (otherLanguage ? ", in " + std::string(language.Name) : std::string()) +
          (challenge.Mode.empty() ? std::string() : ", playing " + ModeNameOf(challenge.Mode)) +
          ". The game starts when you close this message."),
      "Challenge");
  host.StartGame(seconds, std::make_unique<ChallengeWatcher>(host, std::move(challenge), *words));
}

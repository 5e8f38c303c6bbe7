#pragma once

#include <QDialog>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/random_source.h"
#include "platform/game_history.h"
#include "platform/platform.h"
#include "platform/puzzle_page.h"
#include "tests/fake_network.h"
#include "tests/scripted_random.h"
#include "tests/temp_folder.h"
#include "words/definitions/stemmer.h"

// Each reading advances time by `stepMs`, so loops that wait for time to pass end.
class FakeClock : public Clock {
 public:
  int64_t NowMs() override {
    if (onRead) onRead();
    return now += stepMs;
  }
  int64_t now = 1000;
  int64_t stepMs = 50;
  std::function<void()> onRead;
};

class FakeTicker : public Ticker {
 public:
  explicit FakeTicker(std::function<void()> onTick, int intervalMs = 1000)
      : intervalMs(intervalMs), onTick_(std::move(onTick)) {}
  void Start() override { active_ = true; }
  void Stop() override { active_ = false; }
  bool IsActive() const override { return active_; }
  // One tick, as the real timer would give while active.
  void Tick() {
    if (active_) onTick_();
  }
  const int intervalMs;

 private:
  std::function<void()> onTick_;
  bool active_ = false;
};

class FakeSound : public Sound {
 public:
  void PlayAsync(const std::string& name) override { played.push_back("async:" + name); }
  void PlayToEnd(const std::string& name) override { played.push_back("wait:" + name); }
  std::vector<std::string> played;
};

// Stems from a table, as a Hunspell dictionary would give them.
class FakeStemmer : public Stemmer {
 public:
  explicit FakeStemmer(std::map<std::string, std::vector<std::string>> stems)
      : stems_(std::move(stems)) {}
  std::vector<std::string> Stems(const std::string& word) override {
    const auto found = stems_.find(word);
    return found == stems_.end() ? std::vector<std::string>{} : found->second;
  }

 private:
  std::map<std::string, std::vector<std::string>> stems_;
};

struct RecordedMessage {
  QWidget* owner;
  QString text;
  QString caption;
};

class FakePlatform : public Platform {
 public:
  FakePlatform();

  void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override;
  void Alert(QWidget*, const QString& text) override { alerts.push_back(text); }
  bool Confirm(QWidget*, const QString& text, const QString&) override {
    confirmations.push_back(text);
    return confirmAnswer;
  }
  int ExecDialog(QDialog& dialog) override;
  RandomSource& Random() override { return random; }
  Clock& MsClock() override { return clock; }
  std::unique_ptr<Ticker> MakeTicker(int intervalMs, std::function<void()> onTick) override;
  Sound& Audio() override { return sound; }
  QSize ScreenSize() override { return screen; }
  std::string ProgramFilePath() override { return programDirectory + "/tolvane"; }
  std::string CurrentDirectory() override { return currentDirectory; }
  std::string SettingsFilePath() override { return settingsFile; }
  std::string UserDataDirectory() override { return userDataDirectory; }
  QString GetOpenFileName(QWidget* owner, const FileDialogRequest& request) override;
  QString GetSaveFileName(QWidget* owner, const FileDialogRequest& request) override;
  std::optional<FontDialogAnswer> GetFont(QWidget* owner,
                                          const FontDialogRequest& request) override;
  void SetClipboardText(const QString& text) override { clipboard = text; }
  std::optional<QString> GetText(QWidget* owner, const QString& title,
                                 const QString& label) override;
  int64_t UtcSeconds() override { return utcSeconds; }
  // The real history module, on a history file in the data folder.
  GameHistory* History() override;
  std::unique_ptr<ProgressChart> MakeProgressChart(QWidget* parent) override;
  std::unique_ptr<Stemmer> OpenStemmer(const std::string& affixPath, const std::string&) override {
    stemmersOpened.push_back(affixPath);
    return stemmerInstalled ? std::make_unique<FakeStemmer>(stems) : nullptr;
  }
  // A network on `lan`, at `address`; nothing while `networkMissing`.
  std::unique_ptr<MatchNetwork> MakeNetwork() override;
  void ShowHelp(QWidget* owner, const QString& helpFilePath) override;
  void PrinterSetup(QWidget*) override { ++printerSetups; }
  bool PrintInProgress() override { return printInProgress; }
  bool PrintDialog(QWidget* owner) override;
  bool PrintPuzzle(const PuzzlePrint& job) override;

  ScriptedRandom random;
  FakeClock clock;
  FakeSound sound;
  FakeTicker* ticker = nullptr;  // the last ticker made
  QSize screen{1280, 1024};
  std::string programDirectory;
  std::string currentDirectory;
  std::string settingsFile;
  // Not made yet: a folder of its own, so no test reads or writes the player's lists.
  TempFolder dataFolder;
  std::string userDataDirectory = dataFolder.File("tolvane");

  std::vector<RecordedMessage> messages;
  std::vector<QString> alerts;
  std::vector<QString> confirmations;
  bool confirmAnswer = true;
  // Dialogs shown modally: each is shown (not run) and left for the test to inspect;
  // `onExec` may act on it before ExecDialog returns `execResult`.
  std::vector<QDialog*> dialogsShown;
  std::function<void(QDialog&)> onExec;
  int execResult = QDialog::Accepted;

  // Answers of the file dialogs, taken in order; an empty answer is a cancel.
  std::deque<QString> openAnswers;
  std::deque<QString> saveAnswers;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  // Answers of the font dialog, taken in order; none left is a cancel.
  std::deque<std::optional<FontDialogAnswer>> fontAnswers;
  std::vector<FontDialogRequest> fontRequests;
  std::vector<QString> helpShown;
  QString clipboard;
  // Answers of the text box, taken in order; none left is a cancel.
  std::deque<QString> textAnswers;
  int64_t utcSeconds = 1765269063;  // 2025-12-09 08:31:03 UTC
  std::unique_ptr<GameHistory> history;
  // The stemming dictionary: whether it is installed, its stems (UTF-8), and the affix
  // file of each stemmer asked for.
  bool stemmerInstalled = true;
  std::map<std::string, std::vector<std::string>> stems;
  std::vector<std::string> stemmersOpened;
  // The local network: two platforms given the same one reach each other.
  std::shared_ptr<FakeLan> lan = std::make_shared<FakeLan>();
  std::string address = "192.168.1.10";
  bool networkMissing = false;
  FakeNetwork* network = nullptr;  // the last network made
  int printerSetups = 0;
  // Printing: the print dialog's answers taken in order (none left is a cancel), and
  // each print asked for with the cursor shape the application showed meanwhile.
  bool printInProgress = false;
  std::deque<bool> printDialogAnswers;
  std::vector<QWidget*> printDialogOwners;
  bool printSucceeds = true;
  std::function<bool(const PuzzlePrint&)> printer;  // when set, prints instead of printSucceeds
  std::vector<PuzzlePrint> prints;
  std::vector<int> printCursors;  // Qt::CursorShape, -1 for none
};

#pragma once

#include <QPointer>
#include <memory>

#include "base/clock.h"
#include "base/random_source.h"
#include "platform/accessible_alert.h"
#include "platform/game_history.h"
#include "platform/platform.h"

class QFileDialog;

// The dialog GetSaveFileName runs, not yet shown. It refuses a name in a folder that
// does not exist, says so, and stays open.
QFileDialog* MakeSaveFileDialog(QWidget* owner, const FileDialogRequest& request);

// The platform services as the running game uses them, on Qt.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override;
  void Alert(QWidget* owner, const QString& text) override { RaiseAlert(owner, text); }
  bool Confirm(QWidget* owner, const QString& text, const QString& caption) override;
  int ExecDialog(QDialog& dialog) override;
  RandomSource& Random() override { return *random_; }
  Clock& MsClock() override { return *clock_; }
  std::unique_ptr<Ticker> MakeTicker(int intervalMs, std::function<void()> onTick) override;
  Sound& Audio() override { return *sound_; }
  QSize ScreenSize() override;
  std::string ProgramFilePath() override;
  std::string CurrentDirectory() override;
  std::string SettingsFilePath() override;
  std::string UserDataDirectory() override;
  QString GetOpenFileName(QWidget* owner, const FileDialogRequest& request) override;
  QString GetSaveFileName(QWidget* owner, const FileDialogRequest& request) override;
  std::optional<FontDialogAnswer> GetFont(QWidget* owner,
                                          const FontDialogRequest& request) override;
  void SetClipboardText(const QString& text) override;
  std::optional<QString> GetText(QWidget* owner, const QString& title,
                                 const QString& label) override;
  int64_t UtcSeconds() override;
  GameHistory* History() override;
  std::unique_ptr<ProgressChart> MakeProgressChart(QWidget* parent) override;
  std::unique_ptr<Stemmer> OpenStemmer(const std::string& affixPath,
                                       const std::string& dictionaryPath) override;
  void ShowHelp(QWidget* owner, const QString& helpFilePath) override;
  void PrinterSetup(QWidget* owner) override;
  bool PrintInProgress() override;
  bool PrintDialog(QWidget* owner) override;
  bool PrintPuzzle(const PuzzlePrint& job) override;

 private:
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<Sound> sound_;
  QPointer<QWidget> help_;
  bool historyTried_ = false;
  std::unique_ptr<GameHistory> history_;
};

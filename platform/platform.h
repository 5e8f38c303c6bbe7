#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QDialog;
class QWidget;
class Clock;
class GameHistory;
class ProgressChart;
class RandomSource;
class Stemmer;
struct PuzzlePrint;

// A repeating timer. The game clock runs on one; tests hand in a ticker they step.
class Ticker {
 public:
  virtual ~Ticker() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
};

// Wave files, played by name. A bare name is looked up in the current directory, then
// in the program's folder; a missing file is silence, never an error.
class Sound {
 public:
  virtual ~Sound() = default;
  virtual void PlayAsync(const std::string& name) = 0;
  virtual void PlayToEnd(const std::string& name) = 0;
};

// What a file dialog is asked for. `fileName` is the name the dialog starts with (the
// dialogs keep their last file name between uses).
struct FileDialogRequest {
  QString title;
  QString filter;  // a Qt name filter, e.g. "Tolvane (*.TVN)"
  QString defaultSuffix;
  QString fileName;
};

// What a font dialog is asked for, and what the player chose.
struct FontDialogRequest {
  QString title;
  QFont font;  // the font the dialog starts with
  QColor color;
  bool effects = false;  // colour, underline and strikeout offered
  int minPointSize = 0;  // 0: no limit
  int maxPointSize = 0;
};
struct FontDialogAnswer {
  QFont font;
  QColor color;
};

// Everything a window needs from outside the program. The real set wraps Qt; tests hand
// in fakes that record calls and answer dialogs, so no test waits on a person, a clock
// or a sound card.
class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box with one OK button, owned by `owner`.
  virtual void ShowMessage(QWidget* owner, const QString& text, const QString& caption) = 0;
  // Has a screen reader speak `text` at once, as an alert of `owner`'s window; nothing
  // shows on the screen.
  virtual void Alert(QWidget* owner, const QString& text) = 0;
  // A modal question with Yes and No buttons; true for Yes.
  virtual bool Confirm(QWidget* owner, const QString& text, const QString& caption) = 0;
  // Shows `dialog` modally and returns its result code.
  virtual int ExecDialog(QDialog& dialog) = 0;

  virtual RandomSource& Random() = 0;
  virtual Clock& MsClock() = 0;
  virtual std::unique_ptr<Ticker> MakeTicker(int intervalMs, std::function<void()> onTick) = 0;
  virtual Sound& Audio() = 0;

  // Primary screen size in pixels, read once at start-up by the caller.
  virtual QSize ScreenSize() = 0;
  virtual std::string ProgramFilePath() = 0;
  virtual std::string CurrentDirectory() = 0;
  // Where TOLVANE.INI lives.
  virtual std::string SettingsFilePath() = 0;
  // The folder of the player's own word lists; it may not exist until a list is saved.
  virtual std::string UserDataDirectory() = 0;

  // File dialogs: the chosen path, or an empty text when the player cancelled. The open
  // dialog only returns an existing file; the save dialog asks before overwriting.
  virtual QString GetOpenFileName(QWidget* owner, const FileDialogRequest& request) = 0;
  virtual QString GetSaveFileName(QWidget* owner, const FileDialogRequest& request) = 0;

  // Scalable fonts only; nothing when the player cancelled.
  virtual std::optional<FontDialogAnswer> GetFont(QWidget* owner,
                                                  const FontDialogRequest& request) = 0;

  // The clipboard takes `text`, as Ctrl+C would give it.
  virtual void SetClipboardText(const QString& text) = 0;
  // A one-line text asked for in a small modal box; nothing when the player cancelled.
  virtual std::optional<QString> GetText(QWidget* owner, const QString& title,
                                         const QString& label) = 0;
  // The time of day: seconds since 1970-01-01 00:00 UTC.
  virtual int64_t UtcSeconds() = 0;

  // The game history in the player's data folder, opened on first use; nothing when
  // the history module cannot be loaded.
  virtual GameHistory* History() = 0;
  // A progress chart owned by `parent`, from the history module; nothing without it.
  virtual std::unique_ptr<ProgressChart> MakeProgressChart(QWidget* parent) = 0;

  // A stemmer on the Hunspell dictionary of the two files, from the stemming module;
  // nothing when the files are not there or the module cannot be loaded.
  virtual std::unique_ptr<Stemmer> OpenStemmer(const std::string& affixPath,
                                               const std::string& dictionaryPath) = 0;

  // Opens the help file at its contents.
  virtual void ShowHelp(QWidget* owner, const QString& helpFilePath) = 0;

  // Printing, all on the one printer of the run: the one printer setup last chose.
  virtual void PrinterSetup(QWidget* owner) = 0;
  virtual bool PrintInProgress() = 0;
  // The print dialog (printer, copies, print to file); false when the player cancelled.
  virtual bool PrintDialog(QWidget* owner) = 0;
  // One page per copy the print dialog asked for; false when the printer refused.
  virtual bool PrintPuzzle(const PuzzlePrint& job) = 0;
};

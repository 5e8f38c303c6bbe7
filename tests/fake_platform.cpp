#include "tests/fake_platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLibrary>

#include "platform/plugin_modules.h"

FakePlatform::FakePlatform()
    : programDirectory(TOLVANE_PROGRAM_DIR), currentDirectory("/tmp"), settingsFile() {}

void FakePlatform::ShowMessage(QWidget* owner, const QString& text, const QString& caption) {
  messages.push_back({owner, text, caption});
}

int FakePlatform::ExecDialog(QDialog& dialog) {
  dialogsShown.push_back(&dialog);
  dialog.show();
  if (onExec) onExec(dialog);
  return execResult;
}

std::unique_ptr<Ticker> FakePlatform::MakeTicker(int intervalMs, std::function<void()> onTick) {
  auto made = std::make_unique<FakeTicker>(std::move(onTick), intervalMs);
  ticker = made.get();
  return made;
}

static QString NextAnswer(std::deque<QString>& answers) {
  if (answers.empty()) return {};
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

QString FakePlatform::GetOpenFileName(QWidget*, const FileDialogRequest& request) {
  openRequests.push_back(request);
  return NextAnswer(openAnswers);
}

QString FakePlatform::GetSaveFileName(QWidget*, const FileDialogRequest& request) {
  saveRequests.push_back(request);
  return NextAnswer(saveAnswers);
}

std::optional<QString> FakePlatform::GetText(QWidget*, const QString&, const QString&) {
  if (textAnswers.empty()) return std::nullopt;
  QString answer = textAnswers.front();
  textAnswers.pop_front();
  return answer;
}

GameHistory* FakePlatform::History() {
  if (!history) {
    const auto open = reinterpret_cast<OpenHistoryFunction>(QLibrary::resolve(
        QString::fromStdString(programDirectory + "/" + kHistoryModule), kOpenHistorySymbol));
    if (open) history.reset(open((userDataDirectory + "/history.sqlite").c_str(), 100));
  }
  return history.get();
}

std::unique_ptr<ProgressChart> FakePlatform::MakeProgressChart(QWidget* parent) {
  const auto make = reinterpret_cast<MakeProgressChartFunction>(QLibrary::resolve(
      QString::fromStdString(programDirectory + "/" + kHistoryModule), kMakeProgressChartSymbol));
  return std::unique_ptr<ProgressChart>(make ? make(parent) : nullptr);
}

std::unique_ptr<MatchNetwork> FakePlatform::MakeNetwork() {
  if (networkMissing) return nullptr;
  auto made = std::make_unique<FakeNetwork>(*lan, address);
  network = made.get();
  return made;
}

void FakePlatform::ShowHelp(QWidget*, const QString& helpFilePath) {
  helpShown.push_back(helpFilePath);
}

std::optional<FontDialogAnswer> FakePlatform::GetFont(QWidget*, const FontDialogRequest& request) {
  fontRequests.push_back(request);
  if (fontAnswers.empty()) return std::nullopt;
  std::optional<FontDialogAnswer> answer = fontAnswers.front();
  fontAnswers.pop_front();
  return answer;
}

bool FakePlatform::PrintDialog(QWidget* owner) {
  printDialogOwners.push_back(owner);
  if (printDialogAnswers.empty()) return false;
  const bool answer = printDialogAnswers.front();
  printDialogAnswers.pop_front();
  return answer;
}

bool FakePlatform::PrintPuzzle(const PuzzlePrint& job) {
  prints.push_back(job);
  const QCursor* cursor = QGuiApplication::overrideCursor();
  printCursors.push_back(cursor ? static_cast<int>(cursor->shape()) : -1);
  return printer ? printer(job) : printSucceeds;
}

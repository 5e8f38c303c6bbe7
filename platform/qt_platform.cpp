#include "platform/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "base/paths.h"
#include "platform/font_chooser.h"
#include "platform/help_window.h"
#include "platform/plugin_modules.h"
#include "platform/qt_text.h"
#include "words/definitions/stemmer.h"

namespace {

// The modules sit in the program's folder, beside the executable.
QString ModulePath(const char* module) {
  return QCoreApplication::applicationDirPath() + "/" + module;
}

class ElapsedClock : public Clock {
 public:
  ElapsedClock() { timer_.start(); }
  int64_t NowMs() override { return timer_.elapsed(); }

 private:
  QElapsedTimer timer_;
};

class QtTicker : public Ticker {
 public:
  QtTicker(int intervalMs, std::function<void()> onTick) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
  }
  void Start() override { timer_.start(); }
  void Stop() override { timer_.stop(); }
  bool IsActive() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

// Loads the sound module on the first sound; without it the game is silent, which is
// what a missing wave file gives too.
class LazySound : public Sound {
 public:
  void PlayAsync(const std::string& name) override {
    if (Sound* sound = Module()) sound->PlayAsync(name);
  }
  void PlayToEnd(const std::string& name) override {
    if (Sound* sound = Module()) sound->PlayToEnd(name);
  }

 private:
  Sound* Module() {
    if (!tried_) {
      tried_ = true;
      const auto create = reinterpret_cast<CreateSoundFunction>(
          QLibrary::resolve(ModulePath(kSoundModule), kCreateSoundSymbol));
      if (create) sound_.reset(create());
    }
    return sound_.get();
  }

  bool tried_ = false;
  std::unique_ptr<Sound> sound_;
};

void SetUpFileDialog(QFileDialog* dialog, const FileDialogRequest& request) {
  dialog->setNameFilter(request.filter);
  dialog->setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog->selectFile(request.fileName);
}

// A file can only be saved into a folder that exists: such a name is refused and the
// dialog stays open for another.
class SaveFileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty()) {
      const QDir folder = QFileInfo(chosen.first()).dir();
      if (!folder.exists()) {
        auto* box = new QMessageBox(
            QMessageBox::NoIcon, "Error",
            "The folder " + QDir::toNativeSeparators(folder.path()) + " does not exist.",
            QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
      }
    }
    QFileDialog::accept();
  }
};

QString RunFileDialog(QFileDialog* dialog) {
  QString chosen;
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
    chosen = dialog->selectedFiles().first();
  delete dialog;
  return chosen;
}

}  // namespace

QtPlatform::QtPlatform()
    : clock_(std::make_unique<ElapsedClock>()),
      random_(std::make_unique<XorShiftRandom>(
          static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 2654435761u)),
      sound_(std::make_unique<LazySound>()) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

int QtPlatform::ExecDialog(QDialog& dialog) { return dialog.exec(); }

std::unique_ptr<Ticker> QtPlatform::MakeTicker(int intervalMs, std::function<void()> onTick) {
  return std::make_unique<QtTicker>(intervalMs, std::move(onTick));
}

QSize QtPlatform::ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(640, 480);
}

std::string QtPlatform::ProgramFilePath() {
  return PathToBytes(QCoreApplication::applicationFilePath());
}

std::string QtPlatform::CurrentDirectory() { return PathToBytes(QDir::currentPath()); }

std::string QtPlatform::SettingsFilePath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.config";
  return JoinPath(JoinPath(PathToBytes(base), "tolvane"), "TOLVANE.INI");
}

// The player's lists are data, not program files: the program's folder may be read-only
// and a rebuild must never take them along.
std::string QtPlatform::UserDataDirectory() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.local/share";
  return JoinPath(PathToBytes(base), "tolvane");
}

QString QtPlatform::GetOpenFileName(QWidget* owner, const FileDialogRequest& request) {
  auto* dialog = new QFileDialog(owner, request.title);
  SetUpFileDialog(dialog, request);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(dialog);
}

QFileDialog* MakeSaveFileDialog(QWidget* owner, const FileDialogRequest& request) {
  auto* dialog = new SaveFileDialog(owner, request.title);
  // A native dialog would close before the refusal above could keep it open.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  SetUpFileDialog(dialog, request);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  return dialog;
}

QString QtPlatform::GetSaveFileName(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(MakeSaveFileDialog(owner, request));
}

bool QtPlatform::Confirm(QWidget* owner, const QString& text, const QString& caption) {
  return QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void QtPlatform::SetClipboardText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

std::optional<QString> QtPlatform::GetText(QWidget* owner, const QString& title,
                                           const QString& label) {
  bool ok = false;
  const QString text = QInputDialog::getText(owner, title, label, QLineEdit::Normal, {}, &ok);
  if (!ok) return std::nullopt;
  return text;
}

GameHistory* QtPlatform::History() {
  if (!historyTried_) {
    historyTried_ = true;
    const auto open = reinterpret_cast<OpenHistoryFunction>(
        QLibrary::resolve(ModulePath(kHistoryModule), kOpenHistorySymbol));
    // Another copy of the game writes one game at a time: a few seconds is plenty.
    if (open) history_.reset(open(JoinPath(UserDataDirectory(), "history.sqlite").c_str(), 5000));
  }
  return history_.get();
}

std::unique_ptr<ProgressChart> QtPlatform::MakeProgressChart(QWidget* parent) {
  const auto make = reinterpret_cast<MakeProgressChartFunction>(
      QLibrary::resolve(ModulePath(kHistoryModule), kMakeProgressChartSymbol));
  return std::unique_ptr<ProgressChart>(make ? make(parent) : nullptr);
}

std::unique_ptr<Stemmer> QtPlatform::OpenStemmer(const std::string& affixPath,
                                                 const std::string& dictionaryPath) {
  const auto open = reinterpret_cast<OpenStemmerFunction>(
      QLibrary::resolve(ModulePath(kStemmerModule), kOpenStemmerSymbol));
  return std::unique_ptr<Stemmer>(open ? open(affixPath.c_str(), dictionaryPath.c_str()) : nullptr);
}

int64_t QtPlatform::UtcSeconds() { return QDateTime::currentSecsSinceEpoch(); }

// One help window for the run: a second request brings it to the front.
void QtPlatform::ShowHelp(QWidget* owner, const QString& helpFilePath) {
  if (help_) {
    help_->show();
    help_->raise();
    help_->activateWindow();
    return;
  }
  auto* help = new THelpWindow(owner, helpFilePath);
  if (!help->Loaded()) {
    delete help;
    ShowMessage(owner, "The help file " + helpFilePath + " could not be opened.", "Error");
    return;
  }
  help->setAttribute(Qt::WA_DeleteOnClose);
  help_ = help;
  help->show();
}

std::optional<FontDialogAnswer> QtPlatform::GetFont(QWidget* owner,
                                                    const FontDialogRequest& request) {
  TFontChooser chooser(owner, request);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.Chosen();
}

// The print module is loaded on the first printing command; without it nothing prints
// and the player is told so once per command.
template <typename Function>
static Function PrintFunction(const char* symbol) {
  return reinterpret_cast<Function>(QLibrary::resolve(ModulePath(kPrintModule), symbol));
}

constexpr const char* kNoPrintModule = "The printing support of the game could not be loaded.";

void QtPlatform::PrinterSetup(QWidget* owner) {
  if (const auto setup = PrintFunction<PrinterSetupFunction>(kPrinterSetupSymbol))
    setup(owner);
  else
    ShowMessage(owner, kNoPrintModule, "Error");
}

bool QtPlatform::PrintInProgress() {
  const auto inProgress = PrintFunction<PrintInProgressFunction>(kPrintInProgressSymbol);
  return inProgress && inProgress();
}

bool QtPlatform::PrintDialog(QWidget* owner) {
  if (const auto dialog = PrintFunction<PrintDialogFunction>(kPrintDialogSymbol))
    return dialog(owner);
  ShowMessage(owner, kNoPrintModule, "Error");
  return false;
}

bool QtPlatform::PrintPuzzle(const PuzzlePrint& job) {
  const auto print = PrintFunction<PrintPuzzleFunction>(kPrintPuzzleSymbol);
  return print && print(job);
}

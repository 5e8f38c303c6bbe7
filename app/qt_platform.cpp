#include "app/qt_platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "app/help_window.h"
#include "settings/game_settings.h"

namespace {

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

class QtSound : public Sound {
 public:
  void PlayAsync(const std::string& name) override {
    if (Load(name)) effect_->play();
  }

  void PlayToEnd(const std::string& name) override {
    if (!Load(name)) return;
    QEventLoop loop;
    QObject::connect(effect_.get(), &QSoundEffect::playingChanged, &loop, [&] {
      if (!effect_->isPlaying()) loop.quit();
    });
    // A sound device that never reports the end must not hang the game.
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    effect_->play();
    if (effect_->isPlaying() || effect_->status() == QSoundEffect::Loading)
      loop.exec(QEventLoop::ExcludeUserInputEvents);
  }

 private:
  // A bare name is looked up in the current directory, then in the program's folder.
  static QString Find(const std::string& name) {
    const QString bare = QString::fromStdString(name);
    if (QFileInfo::exists(bare)) return QFileInfo(bare).absoluteFilePath();
    const QString beside = QCoreApplication::applicationDirPath() + "/" + bare;
    if (QFileInfo::exists(beside)) return beside;
    return {};
  }

  bool Load(const std::string& name) {
    const QString path = Find(name);
    if (path.isEmpty()) return false;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    const QUrl url = QUrl::fromLocalFile(path);
    if (effect_->source() != url) effect_->setSource(url);
    return true;
  }

  std::unique_ptr<QSoundEffect> effect_;
};

QFileDialog* MakeFileDialog(QWidget* owner, const FileDialogRequest& request) {
  auto* dialog = new QFileDialog(owner, request.title);
  dialog->setNameFilter(request.filter);
  dialog->setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog->selectFile(request.fileName);
  return dialog;
}

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
      sound_(std::make_unique<QtSound>()) {}

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
  return QCoreApplication::applicationFilePath().toStdString();
}

std::string QtPlatform::CurrentDirectory() { return QDir::currentPath().toStdString(); }

std::string QtPlatform::SettingsFilePath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.config";
  return JoinPath(JoinPath(base.toStdString(), "tolvane"), "TOLVANE.INI");
}

QString QtPlatform::GetOpenFileName(QWidget* owner, const FileDialogRequest& request) {
  QFileDialog* dialog = MakeFileDialog(owner, request);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(dialog);
}

QString QtPlatform::GetSaveFileName(QWidget* owner, const FileDialogRequest& request) {
  QFileDialog* dialog = MakeFileDialog(owner, request);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  return RunFileDialog(dialog);
}

void QtPlatform::ShowHelp(QWidget* owner, const QString& helpFilePath) {
  auto* help = new THelpWindow(owner, helpFilePath);
  if (!help->Loaded()) {
    delete help;
    ShowMessage(owner, "The help file " + helpFilePath + " could not be opened.", "Error");
    return;
  }
  help->setAttribute(Qt::WA_DeleteOnClose);
  help->show();
}

QPrinter& QtPlatform::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  return *printer_;
}

void QtPlatform::PrinterSetup(QWidget* owner) {
  QPageSetupDialog dialog(&Printer(), owner);
  dialog.exec();
}

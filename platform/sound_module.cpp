#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "platform/platform.h"
#include "platform/plugin_modules.h"
#include "platform/qt_text.h"

namespace {

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
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &loop, [&] {
      if (effect_->status() == QSoundEffect::Error) loop.quit();
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
    const QString bare = PathFromBytes(name);
    if (QFileInfo(bare).isFile()) return QFileInfo(bare).absoluteFilePath();
    const QString beside = QCoreApplication::applicationDirPath() + "/" + bare;
    if (QFileInfo(beside).isFile()) return beside;
    return {};
  }

  bool Load(const std::string& name) {
    // Without an output device nothing would ever finish playing: stay silent instead.
    if (QMediaDevices::defaultAudioOutput().isNull()) return false;
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

}  // namespace

extern "C" Q_DECL_EXPORT Sound* TolvaneCreateSound() { return new QtSound; }

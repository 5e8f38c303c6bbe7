#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <utility>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "windows/saved_dimensions.h"

// What every dialog of the game shares: it belongs to the host's window (or to `owner`),
// has a name, a caption, an Arial font in pixels and a fixed client size, and records its
// design layout once its controls are made. Each showing by the program scales that
// layout to the window size in force, centres the dialog and then calls FormShow. The
// window system's own show events (mapping, restoring after a minimise) change nothing,
// so what the player typed stays where it is.
class TScaledDialog : public QDialog {
  Q_OBJECT
 public:
  // The design layout, for scaling to the window size.
  SavedDimensions Dimensions;

 protected:
  TScaledDialog(GameHost& host, const QString& name, const QString& caption, QSize client,
                QWidget* owner = nullptr, int fontPixels = 17);

  // Call once every control is made. With `reportTo`, a dialog with more controls than
  // can be recorded says so.
  void RecordDesignLayout(Platform* reportTo = nullptr);

  // Places the dialog for a showing: by default the design layout scaled and centred.
  virtual void PlaceOnScreen();
  // What a dialog does each time the program shows it, once it is placed.
  virtual void FormShow() {}

  GameHost& host;

 private:
  void showEvent(QShowEvent* event) final;
};

// The one way a dialog made for one use is shown: made with the host and `arguments`,
// run modally through the platform, gone when it closes. Returns the dialog's result.
template <typename Dialog, typename... Arguments>
int ShowDialog(GameHost& host, Arguments&&... arguments) {
  Dialog dialog(host, std::forward<Arguments>(arguments)...);
  return host.Services().ExecDialog(dialog);
}

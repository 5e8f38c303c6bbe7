#include "windows/look/window_size.h"

#include <QAction>
#include <QWidget>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "presentation/layout_scaling.h"

void MarkWindowSize(QWidget& window, double scaleFactor) {
  const WindowScale& inForce = WindowScaleFor(scaleFactor);
  for (const WindowScale& scale : kWindowScales) {
    auto* item = window.findChild<QAction*>(scale.MenuItem);
    if (!item) continue;
    item->setChecked(&scale == &inForce);
  }
}

void ChooseWindowSize(GameHost& host, int32_t windowSize) {
  // Choosing an item toggles its mark before we get here, so every way out puts the
  // mark back on the size in force.
  QWidget& window = *host.Window();
  const WindowScale* chosen = WindowScaleOfSize(windowSize);
  GameSettings& settings = host.Settings();
  if (!chosen || settings.WindowSize == windowSize) {
    MarkWindowSize(window, host.ScaleFactor());
    return;
  }
  const QSize screen = host.ScreenSize();
  if (screen.width() < chosen->ScreenWidth || screen.height() < chosen->ScreenHeight) {
    host.Services().ShowMessage(&window,
                                QString("Your current screen resolution does not support %1 x "
                                        "%2 pixels.")
                                    .arg(chosen->ScreenWidth)
                                    .arg(chosen->ScreenHeight),
                                "Error");
    MarkWindowSize(window, host.ScaleFactor());
    return;
  }
  settings.WindowSize = windowSize;
  host.ApplyWindowScale(chosen->Factor);
  MarkWindowSize(window, chosen->Factor);
}

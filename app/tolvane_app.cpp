#include "app/tolvane_app.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>

#include "app/main_win.h"
#include "platform/qt_platform.h"
#include "windows/play/accessible_factory.h"

int RunTolvane(int argc, char** argv, std::function<void(TMainWin&)> onShown) {
  // The game takes no command line options, Qt's own (-style, -platform ...) included.
  int programNameOnly = argc > 0 ? 1 : 0;
  QApplication application(programNameOnly, argv);
  QApplication::setApplicationName("Tolvane 95");
  QApplication::setApplicationDisplayName("Tolvane 95");
  QApplication::setWindowIcon(QIcon(":/assets/tolvane.png"));
  // Menus and message boxes in the game's own face, too, so only one font family loads.
  QFont font = QApplication::font();
  font.setFamily("Arial");
  QApplication::setFont(font);
  InstallAccessibleFactory();
  QtPlatform platform;
  std::unique_ptr<TMainWin> mainWin = std::make_unique<TMainWin>(platform);
  mainWin->show();
  if (onShown) QTimer::singleShot(0, mainWin.get(), [&] { onShown(*mainWin); });
  return application.exec();
}

#include "windows/play/accessible_factory.h"

#include <QAccessible>
#include <QLineEdit>

#include "windows/play/board_accessible.h"
#include "windows/play/board_tiles.h"
#include "windows/play/gauge.h"
#include "windows/play/gauge_accessible.h"
#include "windows/play/line_edit_accessible.h"

namespace {

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("TBoardTiles"))
    return new TBoardAccessible(static_cast<TBoardTiles*>(object));
  if (className == QLatin1String("TGauge"))
    return new TGaugeAccessible(static_cast<TGauge*>(object));
  // Every one-line entry box, Qt's own dialogs' included.
  if (className == QLatin1String("QLineEdit"))
    return new TLineEditAccessible(static_cast<QLineEdit*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(MakeInterface);
}

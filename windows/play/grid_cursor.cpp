#include "windows/play/grid_cursor.h"

#include <QBitmap>

QCursor MakeGridCursor() {
  const QBitmap bitmap(":/assets/gridcurs.xbm");
  const QBitmap mask(":/assets/gridcurs_mask.xbm");
  return QCursor(bitmap, mask, 0, 0);
}

#include "presentation/dialog_scaling.h"

#include <QWidget>

#include "presentation/layout_scaling.h"

void ScaleDialog(QWidget& dialog, const SavedDimensions& design, double scaleFactor, QSize screen) {
  RestoreDimensions(&dialog, design, scaleFactor);
  const QSize outer = dialog.frameGeometry().size();
  dialog.move(CentredLeft(screen.width(), outer.width()),
              CentredTop(screen.height(), outer.height(), 0));
}

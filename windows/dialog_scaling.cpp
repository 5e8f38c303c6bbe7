#include "windows/dialog_scaling.h"

#include <QLayout>
#include <QWidget>

#include "presentation/layout_scaling.h"

void RestoreWindow(QWidget& window, QWidget& client, const SavedDimensions& design,
                   double scaleFactor, QSize screen, int topOffset) {
  RestoreDimensions(&client, design, scaleFactor);
  // A window around its client (menu bar and all) takes its new size from its layout,
  // which would otherwise wait for the next pass of the event loop.
  if (&window != &client && window.layout()) window.layout()->activate();
  CentreWindow(window, screen, topOffset);
}

void CentreWindow(QWidget& window, QSize screen, int topOffset) {
  const QSize outer = window.frameGeometry().size();
  window.move(CentredLeft(screen.width(), outer.width()),
              CentredTop(screen.height(), outer.height(), topOffset));
}

void ScaleDialog(QWidget& dialog, const SavedDimensions& design, double scaleFactor, QSize screen) {
  RestoreWindow(dialog, dialog, design, scaleFactor, screen, 0);
}

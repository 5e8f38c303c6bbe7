#include "windows/scaled_dialog.h"

#include <QShowEvent>

#include "platform/widget_makers.h"
#include "windows/dialog_scaling.h"

TScaledDialog::TScaledDialog(GameHost& host, const QString& name, const QString& caption,
                             QSize client, QWidget* owner, int fontPixels)
    : QDialog(owner ? owner : host.Window()), host(host) {
  setObjectName(name);
  setWindowTitle(caption);
  setFont(ArialPixels(fontPixels));
  setFixedSize(client);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TScaledDialog::RecordDesignLayout(Platform* reportTo) {
  SaveDimensions(this, Dimensions, reportTo);
}

void TScaledDialog::PlaceOnScreen() {
  ScaleDialog(*this, Dimensions, host.ScaleFactor(), host.ScreenSize());
}

void TScaledDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  PlaceOnScreen();
  FormShow();
}

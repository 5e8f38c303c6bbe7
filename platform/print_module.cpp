#include <QPageSetupDialog>
#include <QPrinter>

#include "platform/plugin_modules.h"

namespace {

// The printer chosen in printer setup stays for the rest of the run.
QPrinter& ThePrinter() {
  static QPrinter printer;
  return printer;
}

}  // namespace

extern "C" Q_DECL_EXPORT void TolvanePrinterSetup(QWidget* owner) {
  QPageSetupDialog dialog(&ThePrinter(), owner);
  dialog.exec();
}

#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>

#include "platform/plugin_modules.h"
#include "platform/puzzle_page.h"

namespace {

// The printer chosen in printer setup stays for the rest of the run. High resolution so
// that the page is measured in the device's own pixels.
QPrinter& Printer() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

void OfferPrinterChoices(QPrintDialog& dialog) {
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
}

}  // namespace

// Setup is the print dialog that prints nothing: the player picks the printer, its
// paper and orientation, and the next print starts from them.
extern "C" Q_DECL_EXPORT void TolvanePrinterSetup(QWidget* owner) {
  QPrintDialog dialog(&Printer(), owner);
  OfferPrinterChoices(dialog);
  dialog.setWindowTitle("Printer Setup");
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
  dialog.exec();
}

extern "C" Q_DECL_EXPORT bool TolvanePrintDialog(QWidget* owner) {
  QPrintDialog dialog(&Printer(), owner);
  OfferPrinterChoices(dialog);
  return dialog.exec() == QDialog::Accepted;
}

extern "C" Q_DECL_EXPORT bool TolvanePrintInProgress() {
  return Printer().printerState() == QPrinter::Active;
}

extern "C" Q_DECL_EXPORT bool TolvanePrintPuzzle(const PuzzlePrint& job) {
  QPrinter& printer = Printer();
  // Every copy is drawn as a page of its own, so the print system must not multiply
  // the document as well; the player's count is put back for the next print dialog.
  const int copies = std::max(1, printer.copyCount());
  printer.setCopyCount(1);
  printer.setDocName("Tolvane");
  QPainter painter;
  bool printed = painter.begin(&printer);
  if (printed) {
    const QSize page(printer.width(), printer.height());
    printed = DrawPuzzleCopies(painter, page, job, copies, [&] { return printer.newPage(); });
    printed = painter.end() && printed;
  }
  printer.setCopyCount(copies);
  return printed && printer.printerState() != QPrinter::Error;
}

extern "C" Q_DECL_EXPORT QPrinter* TolvaneThePrinter() { return &Printer(); }

#include <QDialogButtonBox>
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryFile>
#include <algorithm>

#include "base/replace_file.h"
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

namespace {

bool PrintPages(QPrinter& printer, const PuzzlePrint& job) {
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

// The document in `scratch` becomes the file `target` only when it is whole: it ends with
// its end-of-file marker, and is then written as the game writes every file.
bool MoveIntoPlace(const QString& scratch, const QString& target) {
  QFile written(scratch);
  if (!written.open(QIODevice::ReadOnly)) return false;
  const QByteArray document = written.readAll();
  if (!document.trimmed().endsWith("%%EOF")) return false;
  return ReplaceFileContents(QFile::encodeName(target).toStdString(), document.constData(),
                             static_cast<std::size_t>(document.size())) == ReplaceFileResult::Ok;
}

}  // namespace

extern "C" Q_DECL_EXPORT bool TolvanePrintPuzzle(const PuzzlePrint& job) {
  QPrinter& printer = Printer();
  const QString target = printer.outputFileName();
  if (target.isEmpty()) return PrintPages(printer, job);
  // Printing to a file: Qt's file writer reports no failed write, so a full disk would
  // leave an empty or cut-off file that looks printed. The document is written aside and
  // checked first. (No ".pdf" in the scratch name: that would change the printer's format.)
  QTemporaryFile scratch(QDir::tempPath() + "/tolvane-print-XXXXXX");
  if (!scratch.open()) return false;
  printer.setOutputFileName(scratch.fileName());
  const bool printed = PrintPages(printer, job);
  printer.setOutputFileName(target);
  return printed && MoveIntoPlace(scratch.fileName(), target);
}

extern "C" Q_DECL_EXPORT QPrinter* TolvaneThePrinter() { return &Printer(); }

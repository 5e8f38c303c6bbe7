#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/plugin_modules.h"
#include "platform/puzzle_page.h"

namespace {

template <typename Function>
Function Resolve(const char* symbol) {
  return reinterpret_cast<Function>(
      QLibrary::resolve(QString(TOLVANE_PROGRAM_DIR) + "/" + kPrintModule, symbol));
}

PuzzlePrint FourByFour() {
  PuzzlePrint job;
  const char* rows = "ABCD EFGH IJKL MNOP QRSTU";
  for (int cell = 1; cell <= 25; ++cell) job.Letters[cell] = rows[cell - 1];
  job.Font = QFont("Arial");
  job.Font.setPointSize(16);
  return job;
}

// Vertical lines crossing the given row of a rendered page, as the x where each starts.
std::vector<int> LinesAcross(const QImage& page, int y) {
  std::vector<int> starts;
  bool inLine = false;
  for (int x = 0; x < page.width(); ++x) {
    const bool dark = qGray(page.pixel(x, y)) < 128;
    if (dark && !inLine) starts.push_back(x);
    inLine = dark;
  }
  return starts;
}

// The row just below the top edge of the grid: the first row with ink, plus one.
int JustBelowTopEdge(const QImage& page) {
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) return y + 1;
  return -1;
}

// Through the module the game loads, with the printer sent to a PDF file as the print
// dialog's "print to file" would; the file is then turned back into pixels.
TEST(PrintModule, PrintsOnePageWithTheSquaresForEachCopyToAPdfFile) {
  const auto printer = Resolve<ThePrinterFunction>(kThePrinterSymbol);
  const auto print = Resolve<PrintPuzzleFunction>(kPrintPuzzleSymbol);
  const auto inProgress = Resolve<PrintInProgressFunction>(kPrintInProgressSymbol);
  ASSERT_TRUE(printer && print && inProgress) << "the print module is missing its functions";
  ASSERT_NE(Resolve<PrintDialogFunction>(kPrintDialogSymbol), nullptr);
  ASSERT_NE(Resolve<PrinterSetupFunction>(kPrinterSetupSymbol), nullptr);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath("puzzle.pdf");
  printer()->setOutputFormat(QPrinter::PdfFormat);
  printer()->setOutputFileName(pdf);
  printer()->setCopyCount(3);
  ASSERT_TRUE(print(FourByFour()));
  EXPECT_FALSE(inProgress());
  EXPECT_EQ(printer()->copyCount(), 3) << "the player's count is kept for the next print";

  // Where the grid should start on the rendered sheet: the printable area's own margin,
  // then a seventeenth of the printable width.
  const QRect printable = printer()->pageRect(QPrinter::DevicePixel).toRect();
  const double scale = 36.0 / printer()->resolution();
  const double left = (printable.left() + printable.width() / 17) * scale;

  QProcess info;
  info.start("pdfinfo", {pdf});
  ASSERT_TRUE(info.waitForFinished(30000)) << "pdfinfo (poppler-utils) is needed";
  const QRegularExpression title("^Title:\\s+Tolvane$", QRegularExpression::MultilineOption);
  EXPECT_TRUE(title.match(QString::fromUtf8(info.readAllStandardOutput())).hasMatch());

  QProcess render;
  render.start("pdftoppm",
               {"-r", "36", "-gray", "-aa", "no", "-aaVector", "no", pdf, dir.filePath("page")});
  ASSERT_TRUE(render.waitForFinished(30000)) << "pdftoppm (poppler-utils) is needed";
  ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
  const QStringList pages = QDir(dir.path()).entryList({"page*.pgm"}, QDir::Files, QDir::Name);
  ASSERT_EQ(pages.size(), 3) << "one page per copy, and the print system not multiplying it";
  for (const QString& name : pages) {
    SCOPED_TRACE(name.toStdString());
    const QImage page(dir.filePath(name));
    ASSERT_FALSE(page.isNull());
    const int y = JustBelowTopEdge(page);
    ASSERT_GT(y, 0) << "a blank page";
    const std::vector<int> lines = LinesAcross(page, y);
    ASSERT_EQ(lines.size(), 5u) << "four squares side by side";
    EXPECT_NEAR(lines[0], left, 1.5);
    for (size_t i = 2; i < lines.size(); ++i)
      EXPECT_NEAR(lines[i] - lines[i - 1], lines[1] - lines[0], 1);
  }
}

TEST(PrintModule, AFileThatCannotBeWrittenIsAFailedPrint) {
  const auto printer = Resolve<ThePrinterFunction>(kThePrinterSymbol);
  const auto print = Resolve<PrintPuzzleFunction>(kPrintPuzzleSymbol);
  ASSERT_TRUE(printer && print);
  printer()->setOutputFormat(QPrinter::PdfFormat);
  printer()->setOutputFileName("/nonexistent-folder/puzzle.pdf");
  printer()->setCopyCount(1);
  EXPECT_FALSE(print(FourByFour()));
}

}  // namespace

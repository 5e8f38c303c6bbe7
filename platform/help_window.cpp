#include "platform/help_window.h"

#include <QFile>
#include <QFont>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "base/file_reader.h"
#include "platform/qt_text.h"

namespace {

// The help file is a few dozen kilobytes; anything far larger is not a help file, and
// reading it whole would only stall the window.
constexpr std::size_t kMaxHelpFileBytes = 4 * 1024 * 1024;

bool ReadHelpFile(const QString& path, QByteArray& bytes) {
  std::string read;
  if (ReadWholeFile(PathToBytes(path), kMaxHelpFileBytes, read) != FileReadStatus::Ok) return false;
  bytes = QByteArray::fromStdString(read);
  return true;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* owner, const QString& helpFilePath) : QDialog(owner) {
  setWindowTitle("Tolvane 95 Help");
  resize(680, 560);

  browser_ = new QTextBrowser(this);
  browser_->setAccessibleName("Help");
  QFont font("Arial");
  font.setPixelSize(16);
  browser_->setFont(font);
  // The file is shown from memory, so the browser must not try to load link targets
  // itself: in-page anchors scroll, anything else is left alone.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.hasFragment() && url.path().isEmpty()) browser_->scrollToAnchor(url.fragment());
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);

  QByteArray bytes;
  loaded_ = ReadHelpFile(helpFilePath, bytes);
  if (!loaded_) return;
  // Invalid UTF-8 becomes replacement characters; the text is never trusted further.
  browser_->setHtml(QString::fromUtf8(bytes));
  browser_->moveCursor(QTextCursor::Start);
}

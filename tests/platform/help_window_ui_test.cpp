#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "platform/help_window.h"

namespace {

const QString kHelpFile = TOLVANE_SOURCE_DIR "/assets/TOLVANE.HLP";

QTextBrowser* BrowserOf(const THelpWindow& window) { return window.findChild<QTextBrowser*>(); }

// Link targets and anchor names as the browser parsed them, not as the file spells them.
void CollectAnchors(const QTextDocument& document, QSet<QString>& names, QSet<QString>& hrefs) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames()) names.insert(name);
      if (format.isAnchor() && !format.anchorHref().isEmpty()) hrefs.insert(format.anchorHref());
    }
  }
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

}  // namespace

TEST(HelpWindow, ShowsTheHelpFileAtItsContentsWithEveryLinkLeadingSomewhere) {
  THelpWindow window(nullptr, kHelpFile);
  ASSERT_TRUE(window.Loaded());
  EXPECT_EQ(window.windowTitle(), "Tolvane 95 Help");

  QTextBrowser* browser = BrowserOf(window);
  ASSERT_NE(browser, nullptr);
  QSet<QString> names, hrefs;
  CollectAnchors(*browser->document(), names, hrefs);
  EXPECT_TRUE(names.contains("contents"));
  for (const char* topic : {"playing", "entering", "timing", "scoring", "dictionary", "puzzles",
                            "options", "sizes", "menus", "settings"})
    EXPECT_TRUE(hrefs.contains(QString("#") + topic)) << topic;
  for (const QString& href : hrefs) {
    ASSERT_TRUE(href.startsWith('#')) << href.toStdString();
    EXPECT_TRUE(names.contains(href.mid(1))) << "dangling link " << href.toStdString();
  }

  window.resize(600, 400);
  window.show();
  EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
}

TEST(HelpWindow, InPageLinksScrollAndOthersAreIgnored) {
  THelpWindow window(nullptr, kHelpFile);
  window.resize(600, 400);
  window.show();
  QTextBrowser* browser = BrowserOf(window);
  QScrollBar* scroll = browser->verticalScrollBar();

  emit browser->anchorClicked(QUrl("#settings"));
  const int atSettings = scroll->value();
  EXPECT_GT(atSettings, 0);
  emit browser->anchorClicked(QUrl("#contents"));
  EXPECT_LT(scroll->value(), atSettings);

  const QString before = browser->toHtml();
  emit browser->anchorClicked(QUrl("other.html"));
  emit browser->anchorClicked(QUrl("https://example.org/"));
  EXPECT_EQ(browser->toHtml(), before);
}

TEST(HelpWindow, FilesThatCannotBeReadAreReportedNotShown) {
  QTemporaryDir dir;
  EXPECT_FALSE(THelpWindow(nullptr, dir.filePath("TOLVANE.HLP")).Loaded());
  EXPECT_FALSE(THelpWindow(nullptr, dir.path()).Loaded());
  EXPECT_FALSE(THelpWindow(nullptr, "").Loaded());
  const QString huge = WriteFile(dir, "huge.hlp", QByteArray(5 * 1024 * 1024, 'a'));
  EXPECT_FALSE(THelpWindow(nullptr, huge).Loaded());
  const QString fifo = dir.filePath("pipe.hlp");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_FALSE(THelpWindow(nullptr, fifo).Loaded());
}

TEST(HelpWindow, AnyBytesAreShownWithoutHarm) {
  QTemporaryDir dir;
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk.append(static_cast<char>((i * 131 + 7) % 256));
  const QByteArray broken = "<html><body><table><tr><td><a href=\"#nowhere\">\xff\xfe\x00<h1";
  for (const QByteArray& bytes : {junk, broken, QByteArray()}) {
    THelpWindow window(nullptr, WriteFile(dir, "odd.hlp", bytes));
    EXPECT_TRUE(window.Loaded());
    emit BrowserOf(window)->anchorClicked(QUrl("#nowhere"));
  }
}

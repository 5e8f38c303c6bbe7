#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/puzzle_page.h"

namespace {

// A page of `size` pixels at `dpi`, white, as a printer's page would start.
QImage Page(QSize size, int dpi) {
  QImage page(size, QImage::Format_RGB32);
  const int dotsPerMeter = qRound(dpi / 0.0254);
  page.setDotsPerMeterX(dotsPerMeter);
  page.setDotsPerMeterY(dotsPerMeter);
  page.fill(Qt::white);
  return page;
}

QFont Arial(int points) {
  QFont font("Arial");
  font.setPointSize(points);
  return font;
}

// Letters given row by row, five to a row, as the board keeps them.
PuzzlePrint Job(const char* rows, int height, int width, int points) {
  PuzzlePrint job;
  for (int cell = 1; cell <= 25; ++cell) job.Letters[cell] = rows[cell - 1];
  job.Height = height;
  job.Width = width;
  job.Font = Arial(points);
  return job;
}

bool Dark(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) < 128; }

// Where dark runs start along a row (or a column) of the page.
std::vector<int> DarkRuns(const QImage& page, int fixed, bool alongRow) {
  std::vector<int> starts;
  const int length = alongRow ? page.width() : page.height();
  bool inRun = false;
  for (int i = 0; i < length; ++i) {
    const bool dark = alongRow ? Dark(page, i, fixed) : Dark(page, fixed, i);
    if (dark && !inRun) starts.push_back(i);
    inRun = dark;
  }
  return starts;
}

// The ink strictly inside one square, empty when there is none.
QRect InkInside(const QImage& page, const PuzzlePageLayout& layout, int row, int column) {
  const int x0 = layout.Left + (column - 1) * layout.Edge;
  const int y0 = layout.Top + (row - 1) * layout.Edge;
  QRect ink;
  for (int y = y0 + 2; y < y0 + layout.Edge - 1; ++y)
    for (int x = x0 + 2; x < x0 + layout.Edge - 1; ++x)
      if (Dark(page, x, y)) ink |= QRect(x, y, 1, 1);
  return ink;
}

std::vector<int> Expected(int from, int step, int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(from + i * step);
  return values;
}

TEST(PuzzlePage, MarginsComeFromThePageAndTheFontShrinksByWholePointsUntilTheRowFits) {
  QImage page = Page({2400, 3100}, 300);
  const PuzzlePageLayout layout = LayOutPuzzlePage(page.size(), Arial(100), 5, &page);
  EXPECT_EQ(layout.Left, 141);
  EXPECT_EQ(layout.Top, 140);
  EXPECT_EQ(layout.UsableWidth, 2118);

  const int size = layout.Font.pointSize();
  ASSERT_LT(size, 100);
  const auto edge = [&](int points) {
    return QFontMetrics(Arial(points), &page).horizontalAdvance(" W ");
  };
  EXPECT_EQ(layout.Edge, edge(size));
  EXPECT_LE(5 * edge(size), 2118);
  EXPECT_GT(5 * edge(size + 1), 2118) << "shrunk further than needed";
}

TEST(PuzzlePage, AFontThatFitsIsKeptAndNothingGoesBelowOnePoint) {
  QImage page = Page({2400, 3100}, 300);
  const PuzzlePageLayout fits = LayOutPuzzlePage(page.size(), Arial(16), 5, &page);
  EXPECT_EQ(fits.Font.pointSize(), 16);
  EXPECT_EQ(fits.Edge, QFontMetrics(Arial(16), &page).horizontalAdvance(" W "));

  // A page too narrow for any size: the loop stops at one point instead of running on.
  QImage narrow = Page({17, 22}, 300);
  EXPECT_EQ(LayOutPuzzlePage(narrow.size(), Arial(40), 5, &narrow).Font.pointSize(), 1);
}

TEST(PuzzlePage, DrawsHeightByWidthSharedSquaresWithEachLetterCentredInItsOwn) {
  struct Board {
    const char* rows;
    int height, width;
  };
  // Blanks inside the board show whether every letter landed in its own square; the
  // fifth column and row hold letters that the narrower or shorter boards leave out.
  const char* rows =
      "AB DX"
      "EFG X"
      "IJKLX"
      "M OPX"
      "QRSTX";
  for (const Board board : {Board{rows, 4, 4}, Board{rows, 5, 4}, Board{rows, 4, 5}}) {
    SCOPED_TRACE(testing::Message() << board.height << " x " << board.width);
    QImage page = Page({800, 1000}, 96);
    const PuzzlePrint job = Job(board.rows, board.height, board.width, 24);
    QPainter painter(&page);
    const PuzzlePageLayout layout = LayOutPuzzlePage(page.size(), job.Font, job.Width, &page);
    DrawPuzzlePage(painter, job, layout);
    painter.end();

    const int e = layout.Edge;
    EXPECT_EQ(DarkRuns(page, layout.Top + 1, true), Expected(layout.Left, e, board.width + 1));
    EXPECT_EQ(DarkRuns(page, layout.Left + 1, false), Expected(layout.Top, e, board.height + 1));
    const QRect grid(layout.Left, layout.Top, board.width * e + 1, board.height * e + 1);
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (!grid.contains(x, y)) {
          ASSERT_FALSE(Dark(page, x, y)) << "ink outside the board";
        }
    for (int row = 1; row <= board.height; ++row) {
      for (int column = 1; column <= board.width; ++column) {
        SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
        const QRect ink = InkInside(page, layout, row, column);
        ASSERT_EQ(ink.isEmpty(), board.rows[(row - 1) * 5 + column - 1] == ' ');
        if (ink.isEmpty()) continue;
        EXPECT_NEAR(ink.center().x(), layout.Left + (column - 1) * e + e / 2, 3);
        EXPECT_NEAR(ink.center().y(), layout.Top + (row - 1) * e + e / 2, e / 6);
      }
    }
  }
}

TEST(PuzzlePage, LettersTakeTheFontColourAndTheSquaresStayBlack) {
  QImage page = Page({800, 1000}, 96);
  PuzzlePrint job = Job("WWWWWWWWWWWWWWWWWWWWWWWWW", 4, 4, 30);
  job.Color = Qt::red;
  QPainter painter(&page);
  const PuzzlePageLayout layout = LayOutPuzzlePage(page.size(), job.Font, job.Width, &page);
  DrawPuzzlePage(painter, job, layout);
  painter.end();

  EXPECT_EQ(page.pixel(layout.Left, layout.Top + layout.Edge / 2), qRgb(0, 0, 0));
  bool red = false;
  const int y = layout.Top + layout.Edge / 2;
  for (int x = layout.Left + 2; x < layout.Left + layout.Edge - 1; ++x)
    red = red || page.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_TRUE(red);
}

TEST(PuzzlePage, EachCopyIsAWholePageWithANewPageBetweenCopies) {
  QImage page = Page({600, 800}, 96);
  std::vector<QImage> pages;
  QPainter painter(&page);
  const auto newPage = [&] {
    pages.push_back(page.copy());
    painter.fillRect(page.rect(), Qt::white);
    return true;
  };
  const PuzzlePrint job = Job("ABCDEFGHIJKLMNOPQRSTUVWXY", 4, 4, 20);
  EXPECT_TRUE(DrawPuzzleCopies(painter, page.size(), job, 3, newPage));
  painter.end();
  pages.push_back(page);

  ASSERT_EQ(pages.size(), 3u) << "two new pages for three copies";
  const PuzzlePageLayout layout = LayOutPuzzlePage(page.size(), job.Font, 4, &page);
  for (const QImage& printed : pages)
    EXPECT_EQ(DarkRuns(printed, layout.Top + 1, true), Expected(layout.Left, layout.Edge, 5));

  // A printer that cannot begin a new page ends the print there.
  int asked = 0;
  QImage other = Page({600, 800}, 96);
  QPainter otherPainter(&other);
  EXPECT_FALSE(DrawPuzzleCopies(otherPainter, other.size(), job, 3, [&] { return ++asked > 5; }));
  EXPECT_EQ(asked, 1);
}

}  // namespace

#include "windows/play/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "base/clock.h"
#include "base/random_source.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "presentation/layout_scaling.h"
#include "windows/look/qt_font.h"
#include "windows/look/tile_composer.h"
#include "windows/play/background_picture.h"
#include "windows/play/board_tiles.h"
#include "windows/play/grid_cursor.h"

TBoardView::TBoardView(GameHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName("Board");
  setMouseTracking(true);
  backImage_ = BackgroundPicture();
  whiteImage_ = QImage(120, 120, QImage::Format_RGB32);
  tiles_ = new TBoardTiles(*this);
}

// Made on the first game: start-up does not unpack the cursor's bitmaps.
const QCursor& TBoardView::GridCursor() {
  if (!gridCursor_) gridCursor_ = MakeGridCursor();
  return *gridCursor_;
}

BoardGeometry TBoardView::Geometry() const {
  const GameSettings& settings = host_.Settings();
  return GeometryFor(settings.Height, settings.Width, host_.ScaleFactor());
}

QRect TBoardView::CellRect(int cell) const {
  const CellBounds bounds = ::CellRect(Geometry(), cell);
  return QRect(bounds.Left, bounds.Top, bounds.Size, bounds.Size);
}

const LetterGrid& TBoardView::Board() const { return host_.Board(); }

void TBoardView::SetPicking(bool picking) {
  picking_ = picking;
  pressedCell_ = -1;
  ForgetPicks();
  tiles_->SetFocusable(picking);
  if (!picking) unsetCursor();
}

void TBoardView::PickCell(int cell) {
  if (!picking_) return;
  picked_.push_back(cell);
  tiles_->PickChanged(cell);
  if (onLetterPicked) onLetterPicked(host_.Board().Letters[cell]);
}

void TBoardView::TakeBackLetter() {
  if (!picking_) return;
  if (!picked_.empty()) {
    const int cell = picked_.back();
    picked_.pop_back();
    tiles_->PickChanged(cell);
  }
  if (onLetterTakenBack) onLetterTakenBack();
}

void TBoardView::ForgetPicks() {
  std::vector<int> forgotten;
  forgotten.swap(picked_);
  for (int cell : forgotten) tiles_->PickChanged(cell);
}

bool TBoardView::IsPicked(int cell) const {
  return std::find(picked_.begin(), picked_.end(), cell) != picked_.end();
}

void TBoardView::BoardChanged() {
  repaint();
  tiles_->update();
  tiles_->LettersChanged();
}

void TBoardView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  tiles_->setGeometry(rect());
}

void TBoardView::PlayScrambleAnimation() {
  Clock& clock = host_.Services().MsClock();
  RandomSource& random = host_.Services().Random();
  const GameSettings& settings = host_.Settings();
  animating_ = true;
  animatedCell_ = 0;
  repaint();  // every cell bare before the first one flickers
  for (int row = 1; row <= settings.Height; ++row) {
    for (int column = 1; column <= settings.Width; ++column) {
      animatedCell_ = LetterGrid::CellIndex(row, column);
      const int64_t started = clock.NowMs();
      do {
        animatedLetter_ = static_cast<char>('A' + random.Random(26));
        repaint(CellRect(animatedCell_));
      } while (clock.NowMs() - started < 150);
    }
  }
  animating_ = false;
  BoardChanged();
}

void TBoardView::ShowPath(const std::vector<int>& cells) {
  path_ = cells;
  repaint();
}

void TBoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const GameSettings& settings = host_.Settings();
  if (settings.ShowBackgroundBitmap && !backImage_.isNull()) painter.drawImage(rect(), backImage_);
  const QFont letterFont =
      QtFontFrom(settings.LetterFont, Scaled(settings.LetterFont.Size, host_.ScaleFactor()));
  const QColor letterColor = ColorFromSetting(settings.LetterFont.Color);
  const int edge = Geometry().TileSize;
  if (whiteImage_.width() < edge) whiteImage_ = QImage(edge, edge, QImage::Format_RGB32);
  static const QImage kNoPicture;
  const QImage& background = tilePicture_ ? *tilePicture_ : kNoPicture;
  const LetterGrid& grid = host_.Board();

  for (int row = 1; row <= settings.Height; ++row) {
    for (int column = 1; column <= settings.Width; ++column) {
      const int cell = LetterGrid::CellIndex(row, column);
      if (!event->rect().intersects(CellRect(cell))) continue;
      char letter = grid.Letters[cell];
      if (animating_) {
        if (cell > animatedCell_) continue;  // not reached yet: stays bare
        if (cell == animatedCell_) letter = animatedLetter_;
      }
      ComposeTile(image1_, whiteImage_, background, edge, letter, letterFont, letterColor);
      painter.drawImage(CellRect(cell).topLeft(), image1_);
    }
  }
  if (!path_.empty()) PaintPath(painter);
}

// A contrasting outline on each tile of the path and a line through their centres, so
// the player can follow a word from its first letter to its last.
void TBoardView::PaintPath(QPainter& painter) const {
  const QColor outline(220, 20, 60);
  const int width = std::max(3, Geometry().TileSize / 15);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(outline, width));
  painter.setBrush(Qt::NoBrush);
  QPolygon centres;
  for (int cell : path_) {
    const QRect tile = CellRect(cell);
    painter.drawRect(tile.adjusted(width / 2, width / 2, -width / 2 - 1, -width / 2 - 1));
    centres << tile.center();
  }
  painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(centres);
  if (!centres.isEmpty()) {
    painter.setBrush(outline);
    painter.drawEllipse(centres.first(), width * 2, width * 2);  // where the word begins
  }
}

void TBoardView::mousePressEvent(QMouseEvent* event) {
  if (!picking_) return;
  const QPoint at = event->position().toPoint();
  pressedCell_ = GetLetterIndex(Geometry(), host_.Board(), at.x(), at.y());
}

void TBoardView::mouseReleaseEvent(QMouseEvent* event) {
  if (!picking_) return;
  const QPoint at = event->position().toPoint();
  const int cell = GetLetterIndex(Geometry(), host_.Board(), at.x(), at.y());
  if (cell == -1 || cell != pressedCell_) return;
  PickCell(cell);
}

void TBoardView::mouseMoveEvent(QMouseEvent* event) {
  if (!picking_) return;
  const QPoint at = event->position().toPoint();
  if (InsideBoard(Geometry(), at.x(), at.y()))
    setCursor(GridCursor());
  else
    unsetCursor();
}

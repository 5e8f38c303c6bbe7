#include <gtest/gtest.h>

#include <QListWidget>

#include "tests/app/main_win_fixture.h"
#include "windows/look/letter_look.h"

namespace {

class MainWinLookTest : public MainWinTest {
 protected:
  void Choose(const char* item) { Window().findChild<QAction*>(item)->trigger(); }

  void Restart() {
    window->close();
    window.reset();
    Window();
  }

  // The bounds of every component the window scales, and its client size.
  std::vector<QRect> Layout() {
    std::vector<QRect> layout{Surface()->rect()};
    for (QWidget* component : Surface()->findChildren<QWidget*>())
      if (!component->objectName().isEmpty() && !component->objectName().startsWith("qt_"))
        layout.push_back(component->geometry());
    return layout;
  }

  QStringList Checked() {
    QStringList checked;
    for (const char* item : {"N640x480", "N800x600", "N1024x768", "N1280x1024"})
      if (Window().findChild<QAction*>(item)->isChecked()) checked << item;
    return checked;
  }
};

TEST_F(MainWinLookTest, ASizeChosenFromTheMenuScalesTheWindowAndStaysForTheNextStart) {
  platform.screen = QSize(1280, 1024);
  Choose("N1280x1024");
  EXPECT_EQ(Surface()->size(), QSize(1264, 836));
  Choose("N800x600");
  const std::vector<QRect> viaLargest = Layout();
  TMainWin& w = Window();
  EXPECT_EQ(w.ScaleFactor(), 1.25);
  EXPECT_EQ(w.Settings().WindowSize, 800);
  EXPECT_EQ(Checked(), QStringList{"N800x600"});
  EXPECT_EQ(Surface()->size(), QSize(790, 523));
  EXPECT_EQ(GuessList()->font().pointSize(), 11);  // 9 points x 1.25
  EXPECT_EQ(Geometry().TileSize, 75);
  const QRect outer = w.frameGeometry();
  EXPECT_EQ(outer.left(), (1280 - outer.width()) / 2);
  EXPECT_EQ(outer.top(), (1024 - outer.height()) / 2 - 15);

  // A guess-list font chosen now is shown at the size in force, and kept on the way back.
  QFont chosen("Arial");
  chosen.setPointSize(12);
  platform.fontAnswers.push_back(FontDialogAnswer{chosen, Qt::black});
  Choose("MenuGuessFont");
  EXPECT_EQ(GuessList()->font().pointSize(), 15);
  Choose("N640x480");
  EXPECT_EQ(GuessList()->font().pointSize(), 12);
  EXPECT_EQ(Surface()->size(), QSize(632, 418));

  Choose("N800x600");
  EXPECT_EQ(Layout(), viaLargest);  // the same as going to 800 x 600 directly
  Restart();
  EXPECT_EQ(Window().ScaleFactor(), 1.25);
  EXPECT_EQ(Checked(), QStringList{"N800x600"});
  EXPECT_EQ(Window().Settings().WordListFont.Size, 12);
  EXPECT_EQ(GuessList()->font().pointSize(), 15);
}

TEST_F(MainWinLookTest, APictureChosenInPuzzleFontIsOnTheBoardWhenTheWindowCloses) {
  TMainWin& w = Window();
  w.Settings().ShowBackgroundBitmap = false;
  w.Settings().LetterFont.Color = 0xFFFFFF;
  PlaceBoard("W                        ", 4, 4);
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(QColor(40, 160, 90));
  const QString path = dir.path() + "/tile.bmp";
  ASSERT_TRUE(picture.save(path, "BMP"));
  platform.openAnswers.push_back(path);
  platform.onExec = [&](QDialog& dialog) {
    EXPECT_EQ(&dialog, &w.LetterLook());
    QTest::mouseClick(dialog.findChild<QPushButton*>("Background"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("Exit"), Qt::LeftButton);
  };
  Choose("MenuFont");
  const QImage shot = Surface()->grab().toImage();
  // Cell 1 at (56, 44), white letter on the picture: the whole tile is the picture.
  for (const QPoint at : {QPoint(56, 44), QPoint(85, 73), QPoint(115, 103)})
    EXPECT_EQ(shot.pixelColor(at), QColor(40, 160, 90));

  Restart();
  EXPECT_EQ(Window().LetterLook().SavedImage.size(),
            QSize(120, 100));  // cut to the largest tile once
}

}  // namespace

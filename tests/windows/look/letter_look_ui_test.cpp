#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/fake_game_host.h"
#include "tests/temp_folder.h"
#include "windows/look/guess_font.h"
#include "windows/look/letter_look.h"
#include "windows/look/qt_font.h"

namespace {

class LetterLookTest : public ::testing::Test {
 protected:
  TLetterLook& Look() {
    if (!look) look = std::make_unique<TLetterLook>(host);
    return *look;
  }

  // Shows the window as "&Puzzle Font" does and acts on it while it is up.
  void Show(std::function<void(TLetterLook&)> act) {
    host.platform.onExec = [&](QDialog&) { act(Look()); };
    host.platform.ExecDialog(Look());
  }

  void Click(const char* button) {
    QTest::mouseClick(Look().findChild<QPushButton*>(button), Qt::LeftButton);
  }

  QImage Spot(const char* name) {
    return Look().findChild<QLabel*>(name)->pixmap().toImage().convertToFormat(
        QImage::Format_RGB32);
  }

  std::string Picture(const char* name, QSize size, QColor color) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    const std::string path = folder.File(name);
    picture.save(QString::fromStdString(path), "BMP");
    return path;
  }

  TempFolder folder;
  FakeGameHost host;
  std::unique_ptr<TLetterLook> look;
};

TEST_F(LetterLookTest, ShowsItsDesignLayoutCentredAtEveryWindowSize) {
  host.scaleFactor = 2.0;
  host.screen = QSize(1280, 1024);
  Show([&](TLetterLook& look) {
    EXPECT_EQ(look.windowTitle(), "Puzzle Font");
    EXPECT_EQ(look.size(), QSize(253, 119));
    EXPECT_EQ(look.findChild<QPushButton*>("Background")->geometry(), QRect(8, 80, 89, 29));
    EXPECT_EQ(look.findChild<QPushButton*>("Font")->text(), "&Font");
    EXPECT_EQ(look.findChild<QPushButton*>("Exit")->geometry(), QRect(200, 80, 45, 29));
    EXPECT_EQ(look.findChild<QLabel*>("CSpot")->geometry(), QRect(176, 8, 60, 60));
    EXPECT_EQ(look.findChild<QPushButton*>("Exit")->font().pixelSize(), 15);
    const QRect outer = look.frameGeometry();
    EXPECT_EQ(outer.left(), (1280 - outer.width()) / 2);
    EXPECT_EQ(outer.top(), (1024 - outer.height()) / 2);
    EXPECT_EQ(host.boardRepainted, 0);
    Click("Exit");
  });
  EXPECT_FALSE(Look().isVisible());
  EXPECT_EQ(host.boardRepainted, 1);

  // Escape closes it too, and the board is repainted as well.
  Show([&](TLetterLook& look) { QTest::keyClick(&look, Qt::Key_Escape); });
  EXPECT_EQ(host.boardRepainted, 2);
}

TEST_F(LetterLookTest, AChosenFontTakesTheSettingAndThePreviews) {
  host.settings.LetterFont = {0, "Arial", 26, true, false, false, false};
  Show([&](TLetterLook&) {
    const QImage before = Spot("ASpot");
    host.platform.fontAnswers.push_back(std::nullopt);
    Click("Font");
    EXPECT_EQ(host.settings.LetterFont.Size, 26);
    EXPECT_EQ(Spot("ASpot"), before);

    QFont chosen("Arial");
    chosen.setPointSize(30);
    chosen.setUnderline(true);
    host.platform.fontAnswers.push_back(FontDialogAnswer{chosen, QColor(255, 0, 0)});
    Click("Font");
    EXPECT_NE(Spot("ASpot"), before);
  });
  ASSERT_EQ(host.platform.fontRequests.size(), 2u);
  const FontDialogRequest& request = host.platform.fontRequests[0];
  EXPECT_TRUE(request.effects);
  EXPECT_EQ(request.minPointSize, 0);
  EXPECT_EQ(request.maxPointSize, 0);
  EXPECT_EQ(request.font.pointSize(), 26);
  EXPECT_TRUE(request.font.bold());
  const FontDescription& font = host.settings.LetterFont;
  EXPECT_EQ(font.Size, 30);
  EXPECT_EQ(font.Color, 0x0000FF);  // red in the low byte
  EXPECT_TRUE(font.Underline);
  EXPECT_FALSE(font.Bold);
}

TEST_F(LetterLookTest, ABackgroundOfAnySizeFillsEveryPreview) {
  host.settings.LetterFont.Color = 0xFFFFFF;  // white letters leave the picture as it is
  const std::string path = Picture("wide.bmp", {200, 100}, QColor(40, 160, 90));
  Show([&](TLetterLook&) {
    host.platform.openAnswers.push_back(QString::fromStdString(path));
    Click("Background");
  });
  ASSERT_EQ(host.platform.openRequests.size(), 1u);
  const FileDialogRequest& request = host.platform.openRequests[0];
  EXPECT_EQ(request.title, "Letter Background Bitmaps");
  EXPECT_EQ(request.defaultSuffix, "bmp");
  EXPECT_TRUE(request.filter.startsWith("bitmaps (*.bmp);;"));
  EXPECT_EQ(host.settings.LetterBitmap, path);
  EXPECT_EQ(Look().SavedImage.size(), QSize(120, 100));  // cut to the largest tile once
  for (const char* spot : {"ASpot", "BSpot", "CSpot"}) {
    QImage filled(60, 60, QImage::Format_RGB32);
    filled.fill(QColor(40, 160, 90));
    EXPECT_EQ(Spot(spot), filled) << spot;
  }
  EXPECT_EQ(host.boardRepainted, 0);  // the board follows when the window closes

  // The picture stays for the next start.
  look.reset();
  EXPECT_EQ(Look().SavedImage.size(), QSize(120, 100));  // cut to the largest tile once
}

TEST_F(LetterLookTest, AnUnreadablePictureIsReportedAndTheTileStays) {
  const std::string path = folder.Write("broken.bmp", "BM not really a picture");
  const QImage builtIn = TLetterLook::BuiltInTile();
  Show([&](TLetterLook& look) {
    host.platform.openAnswers.push_back(QString::fromStdString(path));
    Click("Background");
    ASSERT_EQ(host.platform.messages.size(), 1u);
    EXPECT_EQ(host.platform.messages[0].text,
              "The picture " + QString::fromStdString(path) + " could not be read.");
    EXPECT_EQ(host.platform.messages[0].caption, "Error");
    EXPECT_EQ(host.platform.messages[0].owner, &look);
    // Cancelling the next time changes nothing at all.
    Click("Background");
  });
  EXPECT_EQ(Look().SavedImage, builtIn);
  EXPECT_EQ(host.settings.LetterBitmap, path);
  EXPECT_EQ(host.platform.messages.size(), 1u);
}

TEST_F(LetterLookTest, APictureTooLargeIsCalledSoNotUnreadable) {
  QImage huge(4500, 4500, QImage::Format_Mono);  // one bit a pixel: a small file
  huge.fill(1);
  const std::string path = folder.File("huge.png");
  ASSERT_TRUE(huge.save(QString::fromStdString(path), "PNG"));
  Show([&](TLetterLook&) {
    host.platform.openAnswers.push_back(QString::fromStdString(path));
    Click("Background");
  });
  ASSERT_EQ(host.platform.messages.size(), 1u);
  EXPECT_EQ(host.platform.messages[0].text,
            "The picture " + QString::fromStdString(path) +
                " is too large: a tile picture may have at most 16,777,216 pixels (4096 x 4096).");
  EXPECT_EQ(Look().SavedImage, TLetterLook::BuiltInTile());
}

TEST_F(LetterLookTest, AMissingPictureAtStartUpGivesTheBuiltInTileAndKeepsTheSetting) {
  host.settings.LetterBitmap = folder.File("gone.bmp");
  EXPECT_EQ(Look().SavedImage, TLetterLook::BuiltInTile());
  EXPECT_EQ(host.settings.LetterBitmap, folder.File("gone.bmp"));
  EXPECT_TRUE(host.platform.messages.empty());
}

TEST(GuessFont, TakesAFaceOfSixToEighteenPointsWithoutEffects) {
  FakeGameHost host;
  host.platform.fontAnswers.push_back(std::nullopt);
  ChooseGuessFont(host);
  EXPECT_EQ(host.guessListLookChanged, 0);
  EXPECT_EQ(host.settings.WordListFont.Size, 9);

  QFont chosen("Arial");
  chosen.setPointSize(12);
  chosen.setItalic(true);
  chosen.setUnderline(true);
  host.platform.fontAnswers.push_back(FontDialogAnswer{chosen, Qt::black});
  ChooseGuessFont(host);
  ASSERT_EQ(host.platform.fontRequests.size(), 2u);
  const FontDialogRequest& request = host.platform.fontRequests[1];
  EXPECT_FALSE(request.effects);
  EXPECT_EQ(request.minPointSize, 6);
  EXPECT_EQ(request.maxPointSize, 18);
  EXPECT_EQ(request.font.pointSize(), 9);
  EXPECT_EQ(host.settings.WordListFont.Size, 12);
  EXPECT_TRUE(host.settings.WordListFont.Italic);
  EXPECT_FALSE(host.settings.WordListFont.Underline);
  EXPECT_EQ(host.guessListLookChanged, 1);
}

}  // namespace

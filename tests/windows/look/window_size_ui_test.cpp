#include <gtest/gtest.h>

#include <QAction>

#include "presentation/layout_scaling.h"
#include "tests/fake_game_host.h"
#include "windows/look/window_size.h"

namespace {

// The four size items as the main window makes them, checkable and in no group; choosing
// one toggles its mark before the handler runs, as a menu does.
class WindowSizeTest : public ::testing::Test {
 protected:
  WindowSizeTest() {
    for (const WindowScale& scale : kWindowScales) {
      auto* item = new QAction(scale.MenuItem, &host.owner);
      item->setObjectName(scale.MenuItem);
      item->setCheckable(true);
    }
    Item("N640x480")->setChecked(true);
  }

  QAction* Item(const char* name) { return host.owner.findChild<QAction*>(name); }

  void Choose(const char* name, int windowSize) {
    Item(name)->setChecked(!Item(name)->isChecked());
    ChooseWindowSize(host, windowSize);
  }

  QStringList Checked() {
    QStringList checked;
    for (const WindowScale& scale : kWindowScales)
      if (Item(scale.MenuItem)->isChecked()) checked << scale.MenuItem;
    return checked;
  }

  FakeGameHost host;
};

TEST_F(WindowSizeTest, AScreenTooSmallIsReportedAndNothingChanges) {
  host.screen = QSize(1280, 1000);
  Choose("N1280x1024", 1280);
  ASSERT_EQ(host.platform.messages.size(), 1u);
  EXPECT_EQ(host.platform.messages[0].text,
            "Your current screen resolution does not support 1280 x 1024 pixels.");
  EXPECT_EQ(host.platform.messages[0].caption, "Error");
  EXPECT_EQ(host.platform.messages[0].owner, &host.owner);
  EXPECT_EQ(host.settings.WindowSize, 640);
  EXPECT_TRUE(host.appliedScales.empty());
  EXPECT_EQ(Checked(), QStringList{"N640x480"});

  host.screen = QSize(799, 600);
  Choose("N800x600", 800);
  EXPECT_EQ(host.platform.messages.back().text,
            "Your current screen resolution does not support 800 x 600 pixels.");
  host.screen = QSize(1024, 767);
  Choose("N1024x768", 1024);
  EXPECT_EQ(host.platform.messages.back().text,
            "Your current screen resolution does not support 1024 x 768 pixels.");
  EXPECT_TRUE(host.appliedScales.empty());

  // A screen of exactly the size will do.
  host.screen = QSize(800, 600);
  Choose("N800x600", 800);
  EXPECT_EQ(host.appliedScales, std::vector<double>{1.25});
  EXPECT_EQ(host.settings.WindowSize, 800);
  EXPECT_EQ(Checked(), QStringList{"N800x600"});
}

TEST_F(WindowSizeTest, TheStoredSizeDoesNothingEvenWhenTheScreenCouldNotShowIt) {
  // Stored 1024 on an 800 x 600 screen: the game runs at 640 x 480.
  host.settings.WindowSize = 1024;
  host.screen = QSize(800, 600);
  Choose("N1024x768", 1024);
  EXPECT_TRUE(host.platform.messages.empty());
  EXPECT_TRUE(host.appliedScales.empty());
  EXPECT_EQ(Checked(), QStringList{"N640x480"});

  // The mark already set stays set, and 640 is now what is stored.
  Choose("N640x480", 640);
  EXPECT_EQ(Checked(), QStringList{"N640x480"});
  EXPECT_EQ(host.settings.WindowSize, 640);

  Choose("N800x600", 800);
  EXPECT_EQ(host.appliedScales, (std::vector<double>{1.0, 1.25}));
  EXPECT_EQ(host.settings.WindowSize, 800);
  EXPECT_EQ(Checked(), QStringList{"N800x600"});
}

TEST_F(WindowSizeTest, TheDesignSizeNeedsNoScreenCheck) {
  host.settings.WindowSize = 1280;
  host.scaleFactor = 2.0;
  host.screen = QSize(320, 200);
  Choose("N640x480", 640);
  EXPECT_TRUE(host.platform.messages.empty());
  EXPECT_EQ(host.appliedScales, std::vector<double>{1.0});
  EXPECT_EQ(host.settings.WindowSize, 640);
}

TEST_F(WindowSizeTest, ExactlyTheSizeInForceIsChecked) {
  MarkWindowSize(host.owner, 1.6);
  EXPECT_EQ(Checked(), QStringList{"N1024x768"});
}

}  // namespace

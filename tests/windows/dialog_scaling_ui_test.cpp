#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "platform/widget_makers.h"
#include "tests/fake_platform.h"
#include "windows/dialog_scaling.h"

namespace {

// A small window in the game's manner: a window font, a label with a font of its own
// inside a panel, and a button that follows the window's font.
class LittleWindow : public QDialog {
 public:
  LittleWindow() {
    setFont(ArialPixels(17));
    setFixedSize(300, 150);
    QFrame* panel = MakePanel(this, "Panel", {9, 11, 141, 45}, QFrame::Raised);
    MakeLabel(panel, "Caption", "Caption", {3, 5, 101, 21}, ArialPixels(15));
    auto* button = new QPushButton("&Ok", this);
    button->setObjectName("OkButton");
    button->setGeometry(207, 113, 85, 29);
  }
};

struct Layout {
  QSize client;
  std::vector<QRect> bounds;
  std::vector<int> fontPixels;
  bool operator==(const Layout&) const = default;
};

Layout Take(QWidget& window) {
  Layout layout{window.size(), {}, {}};
  for (const char* name : {"Panel", "Caption", "OkButton"}) {
    auto* control = window.findChild<QWidget*>(name);
    layout.bounds.push_back(control->geometry());
    layout.fontPixels.push_back(control->font().pixelSize());
  }
  return layout;
}

TEST(DialogScaling, EverySizeComesFromTheDesignSoRoundingNeverAccumulates) {
  LittleWindow window;
  SavedDimensions design;
  SaveDimensions(&window, design);

  RestoreDimensions(&window, design, 2.0);
  RestoreDimensions(&window, design, 1.25);
  const Layout viaLargest = Take(window);
  LittleWindow direct;
  SavedDimensions directDesign;
  SaveDimensions(&direct, directDesign);
  RestoreDimensions(&direct, directDesign, 1.25);
  EXPECT_EQ(viaLargest, Take(direct));

  EXPECT_EQ(viaLargest.client, QSize(375, 188));              // 187.5 rounds up
  EXPECT_EQ(viaLargest.bounds[0], QRect(11, 14, 177, 56));    // right edge 187.5 -> 188
  EXPECT_EQ(viaLargest.bounds[2], QRect(259, 141, 106, 37));  // 292 -> 365, 142 -> 178
  EXPECT_EQ(viaLargest.fontPixels,
            (std::vector<int>{21, 19, 21}));  // the button follows the window

  RestoreDimensions(&window, design, 1.0);
  LittleWindow fresh;
  EXPECT_EQ(Take(window), Take(fresh));
}

TEST(DialogScaling, ADialogIsCentredWithoutTheLiftAndTheMainWindowIsLifted) {
  LittleWindow dialog;
  SavedDimensions design;
  SaveDimensions(&dialog, design);
  dialog.show();
  ScaleDialog(dialog, design, 1.6, QSize(1024, 768));
  const QRect outer = dialog.frameGeometry();
  EXPECT_EQ(dialog.size(), QSize(480, 240));
  EXPECT_EQ(outer.left(), (1024 - outer.width()) / 2);
  EXPECT_EQ(outer.top(), (768 - outer.height()) / 2);

  RestoreWindow(dialog, dialog, design, 1.0, QSize(1024, 768), 15);
  EXPECT_EQ(dialog.frameGeometry().top(), (768 - dialog.frameGeometry().height()) / 2 - 15);
  // Too tall to lift: held at the top edge.
  RestoreWindow(dialog, dialog, design, 2.0, QSize(640, 300), 15);
  EXPECT_EQ(dialog.frameGeometry().top(), 0);
}

TEST(DialogScaling, AWindowWithTooManyComponentsIsReportedAndTheRestLeftAlone) {
  QWidget window;
  window.resize(400, 400);
  for (int i = 0; i < kMaxSavedComponents + 1; ++i) {
    auto* control = new QLabel(&window);
    control->setObjectName(QString("Label%1").arg(i));
    control->setGeometry(i, 10, 20, 10);
  }
  FakePlatform platform;
  SavedDimensions design;
  SaveDimensions(&window, design, &platform);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Too many compenents to save dimensions.");
  EXPECT_EQ(platform.messages[0].caption, "Error");
  EXPECT_EQ(platform.messages[0].owner, &window);
  EXPECT_EQ(design.Components.size(), 101u);

  RestoreDimensions(&window, design, 2.0);
  EXPECT_EQ(window.findChild<QLabel*>("Label100")->geometry(), QRect(200, 20, 40, 20));
  EXPECT_EQ(window.findChild<QLabel*>("Label101")->geometry(), QRect(101, 10, 20, 10));
}

}  // namespace

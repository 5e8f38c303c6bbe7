#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QShowEvent>

#include "tests/fake_game_host.h"
#include "windows/scaled_dialog.h"

namespace {

class TProbeDialog : public TScaledDialog {
 public:
  explicit TProbeDialog(GameHost& host) : TScaledDialog(host, "Probe", "Probe", {200, 100}) {
    Field = new QLineEdit(this);
    Field->setObjectName("Field");
    Field->setGeometry(10, 10, 100, 25);
    RecordDesignLayout();
  }
  QLineEdit* Field;
  int shows = 0;

 private:
  void FormShow() override {
    ++shows;
    Field->clear();
  }
};

// Shown by the program, a dialog takes the window size in force and runs its showing
// once; shown again by the window system (restored after a minimise) it keeps its place
// and what the player typed.
TEST(ScaledDialogTest, OnlyTheProgramsOwnShowingScalesAndRunsTheShowing) {
  FakeGameHost host;
  host.scaleFactor = 2.0;
  TProbeDialog dialog(host);
  dialog.show();
  EXPECT_EQ(dialog.shows, 1);
  EXPECT_EQ(dialog.size(), QSize(400, 200));
  EXPECT_EQ(dialog.Field->geometry(), QRect(20, 20, 200, 50));

  dialog.Field->setText("typed");
  dialog.move(3, 4);
  host.scaleFactor = 1.0;
  QShowEvent restored;
  QSpontaneKeyEvent::setSpontaneous(&restored);
  // Sent straight to the dialog: the application's own sending would mark it as the
  // program's.
  static_cast<QObject&>(dialog).event(&restored);
  EXPECT_EQ(dialog.shows, 1);
  EXPECT_EQ(dialog.size(), QSize(400, 200));
  EXPECT_EQ(dialog.pos(), QPoint(3, 4));
  EXPECT_EQ(dialog.Field->text(), "typed");
}

}  // namespace

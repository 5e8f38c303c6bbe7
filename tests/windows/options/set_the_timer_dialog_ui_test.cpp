#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "tests/windows/options/option_dialog_driver.h"
#include "windows/options/set_the_timer_dialog.h"

namespace {

bool Checked(QWidget& dialog, const char* name) {
  return dialog.findChild<QRadioButton*>(name)->isChecked();
}

TEST(SetTheTimerDialogTest, EachBadEntryNamesItsFieldAndAMinuteWithoutSecondsIsFine) {
  FakeGameHost host;
  TSetTheTimer dialog(host);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Timer");
  EXPECT_EQ(FieldNamed(dialog, "Minutes")->text(), "3");
  EXPECT_EQ(FieldNamed(dialog, "Seconds")->text(), "0");
  EXPECT_TRUE(Checked(dialog, "TimeUpSoundAndDialog"));

  struct Entry {
    const char* minutes;
    const char* seconds;
    const char* message;
    const char* focus;
  };
  for (const Entry& bad : {
           Entry{"", "30", "Invalid minutes specified.  Please correct.", "Minutes"},
           Entry{"1", "5x", "Invalid seconds specified.  Seconds must be between 0 and 60.",
                 "Seconds"},
           Entry{"0", "0", "No time has been entered.  Please correct.", "Minutes"},
       }) {
    SCOPED_TRACE(bad.message);
    TypeInto(dialog, "Minutes", bad.minutes);
    TypeInto(dialog, "Seconds", bad.seconds);
    ClickOn(dialog, "TimeUpSound");
    ClickOn(dialog, "OkButton");
    ExpectOneError(host, dialog, bad.message);
    EXPECT_EQ(FocusName(dialog), bad.focus);
    EXPECT_TRUE(StillOpen(dialog));
    EXPECT_EQ(host.settings.Minutes, 3);
    EXPECT_EQ(host.settings.Seconds, 0);
    EXPECT_EQ(host.settings.TimeUpNotification, 3);
  }

  TypeInto(dialog, "Minutes", "0");
  TypeInto(dialog, "Seconds", "60");
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.settings.Minutes, 0);
  EXPECT_EQ(host.settings.Seconds, 60);
  EXPECT_EQ(host.settings.TimeUpNotification, 1);
}

TEST(SetTheTimerDialogTest, AnUnknownAnnouncementChecksNothingAndIsKept) {
  FakeGameHost host;
  host.settings.TimeUpNotification = 7;
  TSetTheTimer dialog(host);
  dialog.show();
  EXPECT_FALSE(Checked(dialog, "TimeUpSound"));
  EXPECT_FALSE(Checked(dialog, "TimeUpDialog"));
  EXPECT_FALSE(Checked(dialog, "TimeUpSoundAndDialog"));
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.settings.TimeUpNotification, 7);
}

// Tab enters the announcement choices on the one chosen and leaves them from there,
// both ways; the arrows choose among them.
TEST(SetTheTimerDialogTest, TabReachesTheChosenAnnouncementAndArrowsChooseAnother) {
  FakeGameHost host;
  TSetTheTimer dialog(host);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  FieldNamed(dialog, "Seconds")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(FocusName(dialog), "TimeUpSoundAndDialog");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(FocusName(dialog), "TimeUpDialog");
  EXPECT_TRUE(Checked(dialog, "TimeUpDialog"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(FocusName(dialog), "OkButton");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(FocusName(dialog), "TimeUpDialog");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(FocusName(dialog), "Seconds");
}

TEST(SetTheTimerDialogTest, CancelKeepsTimeAndAnnouncement) {
  FakeGameHost host;
  host.platform.onExec = [&](QDialog& dialog) {
    TypeInto(dialog, "Minutes", "5");
    ClickOn(dialog, "TimeUpDialog");
    ClickOn(dialog, "CancelButton");
  };
  ShowDialog<TSetTheTimer>(host);
  EXPECT_EQ(host.settings.Minutes, 3);
  EXPECT_EQ(host.settings.TimeUpNotification, 3);
}

}  // namespace

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/about_box.h"
#include "tests/fake_game_host.h"

TEST(AboutBox, NamesTheGameItsVersionAndLicenceAndClosesWithOk) {
  FakeGameHost host;
  TAboutBox box(host);
  QStringList texts;
  bool hasIcon = false;
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    texts << label->text();
    hasIcon = hasIcon || !label->pixmap().isNull();
  }
  const QString all = texts.join('\n');
  EXPECT_TRUE(all.contains("Tolvane 95"));
  EXPECT_TRUE(all.contains("Version 0.1.0"));
  EXPECT_TRUE(all.contains("MIT"));
  EXPECT_TRUE(hasIcon);

  QPushButton* ok = box.findChild<QPushButton*>();
  ASSERT_NE(ok, nullptr);
  box.show();
  ok->click();
  EXPECT_EQ(box.result(), QDialog::Accepted);
  EXPECT_FALSE(box.isVisible());
}

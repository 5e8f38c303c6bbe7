#include <gtest/gtest.h>

#include <QPushButton>
#include <QTextBrowser>

#include "app/product_window.h"
#include "tests/fake_game_host.h"

TEST(ProductWindow, ListsEachComponentWithItsLicenceAndClosesWithOk) {
  FakeGameHost host;
  TProductWindow window(host);
  const QTextBrowser* text = window.findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  const QString shown = text->toPlainText();
  EXPECT_TRUE(shown.contains("Qt 6") && shown.contains("LGPL v3"));
  EXPECT_TRUE(shown.contains("SCOWL") && shown.contains("Copyright 2000-2011 by Kevin Atkinson"));
  EXPECT_TRUE(shown.contains("Liberation") && shown.contains("SIL Open Font License"));

  window.show();
  window.findChild<QPushButton*>()->click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

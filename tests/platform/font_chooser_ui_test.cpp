#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "platform/font_chooser.h"

namespace {

FontDialogRequest Request(int points, bool effects, int lowest, int highest) {
  FontDialogRequest request;
  request.font = QFont("Arial");
  request.font.setPointSize(points);
  request.color = Qt::black;
  request.effects = effects;
  request.minPointSize = lowest;
  request.maxPointSize = highest;
  return request;
}

void TypeSize(TFontChooser& chooser, const QString& size) {
  auto* edit = chooser.findChild<QLineEdit*>("FontSize");
  edit->selectAll();
  QTest::keyClicks(edit, size);
}

TEST(FontChooser, OffersAndTakesOnlySizesInsideTheRange) {
  TFontChooser chooser(nullptr, Request(9, false, 6, 18));
  auto* sizes = chooser.findChild<QListWidget*>("FontSizes");
  ASSERT_GT(sizes->count(), 0);
  for (int row = 0; row < sizes->count(); ++row) {
    const int size = sizes->item(row)->text().toInt();
    EXPECT_GE(size, 6);
    EXPECT_LE(size, 18);
  }
  auto* ok = chooser.findChild<QPushButton*>("OkButton");
  EXPECT_TRUE(ok->isEnabled());
  TypeSize(chooser, "19");
  EXPECT_FALSE(ok->isEnabled());
  TypeSize(chooser, "5");
  EXPECT_FALSE(ok->isEnabled());
  TypeSize(chooser, "18");
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_EQ(chooser.Chosen().font.pointSize(), 18);
  EXPECT_EQ(chooser.findChild<QCheckBox*>("Underline"), nullptr);
}

TEST(FontChooser, KeepsTheStartingFontAndOffersColourAndEffectsWhenAsked) {
  FontDialogRequest request = Request(26, true, 0, 0);
  request.font.setBold(true);
  request.color = QColor(1, 2, 3);  // not one of the basic colours
  TFontChooser chooser(nullptr, request);
  FontDialogAnswer unchanged = chooser.Chosen();
  EXPECT_EQ(unchanged.font.family(), "Arial");
  EXPECT_EQ(unchanged.font.pointSize(), 26);
  EXPECT_TRUE(unchanged.font.bold());
  EXPECT_EQ(unchanged.color, QColor(1, 2, 3));

  TypeSize(chooser, "144");  // no limit asked: any size
  EXPECT_TRUE(chooser.findChild<QPushButton*>("OkButton")->isEnabled());
  auto* colors = chooser.findChild<QComboBox*>("FontColor");
  colors->setCurrentIndex(colors->findText("Red"));
  chooser.findChild<QCheckBox*>("Underline")->setChecked(true);
  const FontDialogAnswer chosen = chooser.Chosen();
  EXPECT_EQ(chosen.color, QColor(255, 0, 0));
  EXPECT_TRUE(chosen.font.underline());
  EXPECT_FALSE(chosen.font.strikeOut());
  EXPECT_EQ(chosen.font.pointSize(), 144);
}

}  // namespace

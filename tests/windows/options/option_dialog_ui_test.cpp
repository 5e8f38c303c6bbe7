#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "tests/fake_game_host.h"
#include "windows/options/design_it.h"
#include "windows/options/number_dialog.h"
#include "windows/options/option_dialog.h"
#include "windows/options/score_options_dialog.h"
#include "windows/options/set_the_timer_dialog.h"
#include "windows/options/show_options_dialog.h"

namespace {

using DialogMaker = std::function<std::unique_ptr<QDialog>(GameHost&)>;

template <class Dialog, typename... Arguments>
DialogMaker Maker(Arguments... arguments) {
  return [=](GameHost& host) { return std::make_unique<Dialog>(host, arguments...); };
}

const std::vector<DialogMaker>& EveryDialog() {
  static const std::vector<DialogMaker> makers = {Maker<TNumberDialog>(NumberDialog::WordLength),
                                                  Maker<TShowOptions>(),
                                                  Maker<TScoreOptions>(),
                                                  Maker<TSetTheTimer>(),
                                                  Maker<TNumberDialog>(NumberDialog::Dimensions),
                                                  Maker<TNumberDialog>(NumberDialog::GuessColumns),
                                                  Maker<TDesignIt>()};
  return makers;
}

QString Plain(QString caption) { return caption.remove('&'); }

// A caption cut off at the design size is a caption the player cannot read at any size.
TEST(OptionDialogLayoutTest, EveryCaptionFitsItsControlAtTheDesignSize) {
  FakeGameHost host;
  for (const DialogMaker& make : EveryDialog()) {
    const std::unique_ptr<QDialog> dialog = make(host);
    SCOPED_TRACE(dialog->objectName().toStdString());
    EXPECT_EQ(dialog->font().family(), "Arial");
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      SCOPED_TRACE(control->objectName().toStdString());
      if (auto* label = qobject_cast<QLabel*>(control)) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
      } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        EXPECT_LE(button->sizeHint().width(), button->width());
        EXPECT_LE(button->fontMetrics().height(), button->height());
      } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        EXPECT_LE(frame->fontMetrics().horizontalAdvance(Plain(frame->title())) + 16,
                  frame->width());
      } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
        EXPECT_LE(field->fontMetrics().height(), field->height() - 4);
      }
      if (!control->objectName().startsWith("qt_")) {
        EXPECT_FALSE(control->objectName().isEmpty());
      }
    }
  }
}

TEST(OptionDialogLayoutTest, EveryDialogIsScaledToTheWindowSizeAndCentredWhenShown) {
  FakeGameHost host;
  host.scaleFactor = 1.25;
  host.screen = {1024, 768};
  for (const DialogMaker& make : EveryDialog()) {
    const std::unique_ptr<QDialog> dialog = make(host);
    SCOPED_TRACE(dialog->objectName().toStdString());
    const QSize design = dialog->size();
    auto* firstButton = dialog->findChild<QAbstractButton*>();
    const QRect designButton = firstButton->geometry();
    dialog->show();
    EXPECT_EQ(dialog->width(), (design.width() * 5 + 2) / 4);
    EXPECT_EQ(dialog->height(), (design.height() * 5 + 2) / 4);
    EXPECT_EQ(firstButton->geometry().left(), (designButton.left() * 5 + 2) / 4);
    const QRect outer = dialog->frameGeometry();
    EXPECT_EQ(outer.left(), (1024 - outer.width()) / 2);
    EXPECT_EQ(outer.top(), (768 - outer.height()) / 2);
  }
}

// However a number box gets the focus (the dialog opening, a refused value sending the
// player back), typing replaces its number: a full box would otherwise take nothing.
TEST(OptionDialogFieldsTest, TypingIntoANumberBoxReplacesItsNumber) {
  FakeGameHost host;
  for (const DialogMaker& make : EveryDialog()) {
    const std::unique_ptr<QDialog> dialog = make(host);
    if (dialog->objectName() == "DesignIt") continue;  // letter boxes, typed one by one
    SCOPED_TRACE(dialog->objectName().toStdString());
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    const auto typeInto = [](QLineEdit* field) {
      const QString digit = field->text() == "7" ? "8" : "7";
      QTest::keyClicks(field, digit);
      EXPECT_EQ(field->text(), digit) << field->objectName().toStdString();
    };
    if (auto* opened = qobject_cast<QLineEdit*>(dialog->focusWidget())) typeInto(opened);
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
      field->clearFocus();
      field->setFocus();
      typeInto(field);
    }
  }
}

}  // namespace

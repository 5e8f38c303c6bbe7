#include "app/about_box.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "platform/widget_makers.h"

namespace {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& bounds,
                 const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  label->setGeometry(bounds);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(GameHost& host)
    : TScaledDialog(host, "AboutBox", "About Tolvane 95", {380, 214}) {
  auto* icon = new QLabel(this);
  icon->setObjectName("Icon");
  icon->setScaledContents(true);
  icon->setPixmap(QPixmap(":/assets/tolvane.png"));
  icon->setGeometry(20, 20, 64, 64);

  AddLabel(this, "Title", "Tolvane 95", QRect(104, 20, 256, 30), ArialPixels(24, true));
  AddLabel(this, "Version", QString("Version %1").arg(TOLVANE_VERSION), QRect(104, 56, 256, 22),
           ArialPixels(17));
  QLabel* what = AddLabel(this, "What",
                          "A race against the clock to find words in a board of lettered "
                          "tiles.",
                          QRect(20, 98, 340, 44), ArialPixels(17));
  what->setWordWrap(true);
  AddLabel(this, "Licence", "Released under the MIT licence.", QRect(20, 146, 340, 22),
           ArialPixels(17));

  auto* ok = MakeButton(this, "OkButton", "OK", {150, 176, 81, 29});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  RecordDesignLayout();
}

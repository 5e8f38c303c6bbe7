#include "platform/font_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/widget_makers.h"

namespace {

const char* const kStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};

struct NamedColor {
  const char* name;
  QRgb rgb;
};
const NamedColor kColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

QIcon Swatch(const QColor& color) {
  QPixmap swatch(24, 14);
  swatch.fill(color);
  QPainter painter(&swatch);
  painter.drawRect(0, 0, 23, 13);
  return QIcon(swatch);
}

QListWidget* MakeList(QWidget* parent, const char* name, const QString& spokenName) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setAccessibleName(spokenName);
  CurrentFollowsSelection(*list);
  return list;
}

// A caption whose shortcut key moves to `control`.
QLabel* Caption(const QString& text, QWidget* control) {
  auto* caption = new QLabel(text, control->parentWidget());
  caption->setBuddy(control);
  return caption;
}

void SelectText(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchFixedString);
  if (!found.isEmpty()) list->setCurrentItem(found.first());
}

}  // namespace

TFontChooser::TFontChooser(QWidget* owner, const FontDialogRequest& request)
    : QDialog(owner), request_(request) {
  setObjectName("FontChooser");
  setWindowTitle(request.title.isEmpty() ? QString("Font") : request.title);
  FamilyList = MakeList(this, "FontFamily", "Font");
  StyleList = MakeList(this, "FontStyle", "Font style");
  SizeList = MakeList(this, "FontSizes", "Size");
  SizeEdit = new QLineEdit(this);
  SizeEdit->setObjectName("FontSize");
  SizeEdit->setValidator(new QIntValidator(0, 999, SizeEdit));

  auto* grid = new QGridLayout(this);
  grid->addWidget(Caption("&Font:", FamilyList), 0, 0);
  grid->addWidget(Caption("Font st&yle:", StyleList), 0, 1);
  grid->addWidget(Caption("&Size:", SizeEdit), 0, 2);
  grid->addWidget(FamilyList, 1, 0, 2, 1);
  grid->addWidget(StyleList, 1, 1, 2, 1);
  grid->addWidget(SizeEdit, 1, 2);
  grid->addWidget(SizeList, 2, 2);
  if (request.minPointSize > 0 || request.maxPointSize > 0) {
    auto* range = new QLabel(QString("%1 to %2 points").arg(LowestSize()).arg(HighestSize()), this);
    range->setObjectName("SizeRange");
    grid->addWidget(range, 3, 2);
  }

  FillFamilies();
  for (const char* style : kStyles) StyleList->addItem(style);
  StyleList->setCurrentRow((request.font.bold() ? 2 : 0) + (request.font.italic() ? 1 : 0));
  for (int size : QFontDatabase::standardSizes())
    if (size >= LowestSize() && size <= HighestSize()) SizeList->addItem(QString::number(size));
  SizeEdit->setText(QString::number(request.font.pointSize()));
  SelectText(SizeList, SizeEdit->text());

  if (request.effects) {
    auto* effects = new QGroupBox("Effects", this);
    auto* column = new QVBoxLayout(effects);
    Strikeout = new QCheckBox("Stri&keout", effects);
    Strikeout->setObjectName("Strikeout");
    Strikeout->setChecked(request.font.strikeOut());
    Underline = new QCheckBox("&Underline", effects);
    Underline->setObjectName("Underline");
    Underline->setChecked(request.font.underline());
    ColorBox = new QComboBox(effects);
    ColorBox->setObjectName("FontColor");
    FillColors();
    column->addWidget(Strikeout);
    column->addWidget(Underline);
    column->addWidget(Caption("&Color:", ColorBox));
    column->addWidget(ColorBox);
    grid->addWidget(effects, 4, 0);
    connect(Strikeout, &QCheckBox::toggled, this, &TFontChooser::ShowSample);
    connect(Underline, &QCheckBox::toggled, this, &TFontChooser::ShowSample);
    connect(ColorBox, &QComboBox::currentIndexChanged, this, &TFontChooser::ShowSample);
  }
  auto* sampleBox = new QGroupBox("Sample", this);
  auto* sampleLayout = new QVBoxLayout(sampleBox);
  Sample = new QLabel("AaBbYyZz", sampleBox);
  Sample->setObjectName("Sample");
  Sample->setAlignment(Qt::AlignCenter);
  // A large size is shown cut off rather than stretching the dialog off the screen.
  Sample->setFixedSize(220, 70);
  sampleLayout->addWidget(Sample);
  grid->addWidget(sampleBox, 4, 1, 1, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  OkButton = buttons->button(QDialogButtonBox::Ok);
  OkButton->setObjectName("OkButton");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
  grid->addWidget(buttons, 5, 0, 1, 3);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  connect(FamilyList, &QListWidget::currentRowChanged, this, &TFontChooser::ShowSample);
  connect(StyleList, &QListWidget::currentRowChanged, this, &TFontChooser::ShowSample);
  connect(SizeList, &QListWidget::currentTextChanged, SizeEdit, &QLineEdit::setText);
  connect(SizeEdit, &QLineEdit::textChanged, this, &TFontChooser::SizeTyped);
  SizeTyped();
}

int TFontChooser::LowestSize() const {
  return request_.minPointSize > 0 ? request_.minPointSize : 1;
}

int TFontChooser::HighestSize() const {
  return request_.maxPointSize > 0 ? request_.maxPointSize : 999;
}

// Faces that scale smoothly, and whose names the settings file can keep (it holds
// single-byte text). The face the dialog starts with stays on offer even when the system
// shows it under another name, so "OK" without a change keeps it.
void TFontChooser::FillFamilies() {
  const QString start = request_.font.family();
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isSmoothlyScalable(family))
      continue;
    if (QString::fromLatin1(family.toLatin1()) != family) continue;
    FamilyList->addItem(family);
  }
  if (FamilyList->findItems(start, Qt::MatchFixedString).isEmpty())
    FamilyList->insertItem(0, start);
  SelectText(FamilyList, start);
}

void TFontChooser::FillColors() {
  int current = -1;
  for (const NamedColor& named : kColors) {
    const QColor color(named.rgb);
    if (color == request_.color) current = ColorBox->count();
    ColorBox->addItem(Swatch(color), named.name, color);
  }
  if (current < 0) {
    current = ColorBox->count();
    ColorBox->addItem(Swatch(request_.color), "Custom", request_.color);
  }
  ColorBox->setCurrentIndex(current);
}

// A size outside the range cannot be confirmed: OK waits for one inside it.
void TFontChooser::SizeTyped() {
  bool number = false;
  const int size = SizeEdit->text().toInt(&number);
  OkButton->setEnabled(number && size >= LowestSize() && size <= HighestSize());
  if (OkButton->isEnabled()) ShowSample();
}

void TFontChooser::ShowSample() {
  if (!OkButton || !OkButton->isEnabled()) return;
  const FontDialogAnswer answer = Chosen();
  Sample->setFont(answer.font);
  QPalette palette = Sample->palette();
  palette.setColor(QPalette::WindowText, answer.color);
  Sample->setPalette(palette);
}

FontDialogAnswer TFontChooser::Chosen() const {
  QFont font = request_.font;
  if (FamilyList->currentItem()) font.setFamily(FamilyList->currentItem()->text());
  const int style = StyleList->currentRow();
  font.setBold(style >= 2);
  font.setItalic(style == 1 || style == 3);
  const int size = SizeEdit->text().toInt();
  if (size > 0) font.setPointSize(size);
  QColor color = request_.color;
  if (request_.effects) {
    font.setStrikeOut(Strikeout->isChecked());
    font.setUnderline(Underline->isChecked());
    color = ColorBox->currentData().value<QColor>();
  }
  return {font, color};
}

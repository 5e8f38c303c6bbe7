#include "windows/options/option_dialog.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"

namespace {

constexpr int kDesignFontPixels = 17;

// Whatever brings the focus to a number (the dialog opening, Tab, a refused value),
// typing replaces the number: a full one-character box would otherwise take nothing.
// A click still places the cursor where it lands.
class NumberField : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) selectAll();
  }
};

}  // namespace

QLabel* TOptionDialog::MakeFieldLabel(QLineEdit* field, const QString& name, const QString& text,
                                      const QRect& bounds) {
  QLabel* label = MakeLabel(field->parentWidget(), name, text, bounds,
                            ArialPixels(kDesignFontPixels), Qt::AlignLeft | Qt::AlignVCenter);
  label->setBuddy(field);
  return label;
}

QLineEdit* TOptionDialog::MakeNumberField(QWidget* parent, const QString& name, const QRect& bounds,
                                          int maxLength, int32_t value) {
  auto* field = new NumberField(parent);
  field->setObjectName(name);
  field->setGeometry(bounds);
  field->setFont(ArialPixels(kDesignFontPixels));
  field->setMaxLength(maxLength);
  field->setText(TextFromBytes(FormatNumber(value, 1, 0)));
  return field;
}

QCheckBox* TOptionDialog::MakeCheckBox(QWidget* parent, const QString& name, const QString& caption,
                                       const QRect& bounds, bool checked) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(bounds);
  box->setFont(ArialPixels(kDesignFontPixels));
  box->setChecked(checked);
  return box;
}

QGroupBox* TOptionDialog::MakeFrame(const QString& name, const QString& heading,
                                    const QRect& bounds) {
  auto* frame = new QGroupBox(heading, this);
  frame->setObjectName(name);
  frame->setGeometry(bounds);
  frame->setFont(ArialPixels(kDesignFontPixels, true));
  return frame;
}

QPushButton* TOptionDialog::MakeOkButton(const QString& name, const QRect& bounds) {
  QPushButton* button = MakeButton(this, name, "&Ok", bounds, ArialPixels(kDesignFontPixels));
  button->setDefault(true);
  return button;
}

QPushButton* TOptionDialog::MakeCancelButton(const QRect& bounds) {
  QPushButton* button =
      MakeButton(this, "CancelButton", "&Cancel", bounds, ArialPixels(kDesignFontPixels));
  connect(button, &QPushButton::clicked, this, &QDialog::reject);
  return button;
}

std::optional<std::vector<int32_t>> TOptionDialog::ReadNumberFields(
    const std::vector<QLineEdit*>& fields, FieldValues (*read)(const std::vector<std::string>&)) {
  std::vector<std::string> texts;
  for (const QLineEdit* field : fields) texts.push_back(TextToBytes(field->text()));
  FieldValues values = read(texts);
  if (!values.Fault) return std::move(values.Values);
  host.Services().ShowMessage(this, TextFromBytes(values.Fault->Message), "Error");
  fields[static_cast<std::size_t>(values.Fault->Field)]->setFocus();
  return std::nullopt;
}

#pragma once

#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/option_fields.h"
#include "windows/scaled_dialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the option dialogs share: their controls in the design font, and the one way
// "&Ok" reads the number fields.
class TOptionDialog : public TScaledDialog {
  Q_OBJECT
 protected:
  using TScaledDialog::TScaledDialog;

  // The label beside `field`, in the same parent; it names the field to accessibility tools.
  QLabel* MakeFieldLabel(QLineEdit* field, const QString& name, const QString& text,
                         const QRect& bounds);
  // A number field showing `value`.
  QLineEdit* MakeNumberField(QWidget* parent, const QString& name, const QRect& bounds,
                             int maxLength, int32_t value);
  QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption,
                          const QRect& bounds, bool checked);
  // A frame with a bold heading.
  QGroupBox* MakeFrame(const QString& name, const QString& heading, const QRect& bounds);
  // The default button: Enter presses it.
  QPushButton* MakeOkButton(const QString& name, const QRect& bounds);
  QPushButton* MakeCancelButton(const QRect& bounds);

  // Reads `fields` in order through `read`. At the first bad field the player is told
  // why and the focus goes back to it, and nothing is returned.
  std::optional<std::vector<int32_t>> ReadNumberFields(
      const std::vector<QLineEdit*>& fields, FieldValues (*read)(const std::vector<std::string>&));
};

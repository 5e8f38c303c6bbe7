#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "presentation/saved_dimensions.h"
#include "settings/option_fields.h"

class GameHost;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the option dialogs share: a fixed-size Arial dialog laid out at the design size,
// scaled and centred when shown, and the one way "&Ok" reads the number fields.
class TOptionDialog : public QDialog {
  Q_OBJECT
 public:
  // The design layout, recorded when the dialog is made, for scaling to the window size.
  SavedDimensions Dimensions;

 protected:
  TOptionDialog(GameHost& host, const QString& name, const QString& caption, QSize client);

  void showEvent(QShowEvent* event) override;

  // Call once every control is made.
  void RecordDesignLayout();

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

  GameHost& host;
};

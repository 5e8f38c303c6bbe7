#pragma once

#include <QSize>

#include "presentation/saved_dimensions.h"

class QWidget;

// The one rule every dialog made for one use follows when it is shown: its design layout
// scaled to the window size in force, and the dialog centred on the screen (without the
// lift the main window gets). Call it from the dialog's show event; `design` is what
// SaveDimensions recorded when the dialog was made.
void ScaleDialog(QWidget& dialog, const SavedDimensions& design, double scaleFactor, QSize screen);

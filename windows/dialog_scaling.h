#pragma once

#include <QSize>

#include "windows/saved_dimensions.h"

class QWidget;

// The main window and the score dialog: `client`'s design layout put back at the window
// size in force, and `window` centred on the screen by its outer size, lifted by
// `topOffset` but never above the top edge.
void RestoreWindow(QWidget& window, QWidget& client, const SavedDimensions& design,
                   double scaleFactor, QSize screen, int topOffset);

// The one rule every dialog made for one use follows when it is shown: its design layout
// scaled to the window size in force, and the dialog centred on the screen (without the
// lift the main window gets). Call it from the dialog's show event; `design` is what
// SaveDimensions recorded when the dialog was made.
void ScaleDialog(QWidget& dialog, const SavedDimensions& design, double scaleFactor, QSize screen);

// Places `window` by its outer size in the middle of `screen`, lifted by `topOffset`
// (never above the top edge).
void CentreWindow(QWidget& window, QSize screen, int topOffset);

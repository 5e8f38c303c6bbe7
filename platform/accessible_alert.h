#pragma once

class QString;
class QWidget;

// Has assistive technology tell the player `text` now, without a window or a sound: an
// alert event of `window`, from a notification that carries the text as its name.
void RaiseAlert(QWidget* window, const QString& text);

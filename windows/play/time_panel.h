#pragma once

class QLabel;
class QWidget;

// The "Timer" panel at the top right of the board: its heading and, sunk below it, the
// time shown. Returns the time's label; its parent is the panel.
QLabel* MakeTimePanel(QWidget* board);

#pragma once

// Gives the board's tiles, the gauge and every one-line entry box their accessible
// interfaces. Safe to call more than once; the application calls it at start-up, and each
// of the game's widgets that needs it when made.
void InstallAccessibleFactory();

#pragma once

// Gives the board's tiles and the gauge their accessible interfaces. Safe to call more
// than once; each widget that needs it calls it when made.
void InstallAccessibleFactory();

// Starts the game as a player would, and reports when the main window is on screen and
// painted, with the resident memory then. Then it quits.
#include "app/main_win.h"
#include "app/tolvane_app.h"
#include "bench/shown_report.h"

int main(int argc, char** argv) {
  return RunTolvane(argc, argv, [](TMainWin& window) { ReportShownAndQuit(window); });
}

// Starts the game as a player would, and reports when the main window is on screen and
// painted: the wall-clock time then (ns since the epoch, for bench/startup.sh to subtract
// from its own start time) and the resident memory at that moment. Then it quits.
#include <QCoreApplication>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/main_win.h"
#include "app/tolvane_app.h"

namespace {

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  return RunTolvane(argc, argv, [](TMainWin& window) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "shown_ns %lld rss_kb %ld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        ResidentKilobytes());
    std::fflush(stdout);
    QCoreApplication::quit();
  });
}

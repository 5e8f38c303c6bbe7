#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

// What the start-up probes report once their window is on screen and painted: the
// wall-clock time (ns since the epoch, for bench/startup.sh to subtract from its own start
// time) and the resident memory at that moment. Then the program quits.
inline void ReportShownAndQuit(QWidget& window) {
  while (!window.windowHandle() || !window.windowHandle()->isExposed())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  window.repaint();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  long residentKb = -1;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) residentKb = std::stol(line.substr(6));
  std::printf(
      "shown_ns %lld rss_kb %ld\n",
      static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
      residentKb);
  std::fflush(stdout);
  QCoreApplication::quit();
}

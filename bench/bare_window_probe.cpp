// The yardstick for start-up: a plain Qt Widgets window of about the game's make-up (a
// menu bar with two menus, two buttons, a list, an edit box, fixed size), reporting when
// it is on screen and painted, exactly as the game's probe does.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "bench/shown_report.h"

int main(int argc, char** argv) {
  int programNameOnly = argc > 0 ? 1 : 0;
  QApplication application(programNameOnly, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File")->addAction("E&xit");
  window.menuBar()->addMenu("&Help")->addAction("&About");
  auto* client = new QWidget(&window);
  client->setFixedSize(632, 418);
  window.setCentralWidget(client);
  (new QPushButton("&Start", client))->setGeometry(184, 328, 145, 33);
  (new QPushButton("E&xit", client))->setGeometry(544, 380, 81, 33);
  (new QListWidget(client))->setGeometry(348, 40, 181, 333);
  (new QLineEdit(client))->setGeometry(92, 376, 233, 29);
  window.show();
  QTimer::singleShot(0, &window, [&] { ReportShownAndQuit(window); });
  return application.exec();
}

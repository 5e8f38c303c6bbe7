// Plays a short game inside the installed program. Qt loads this generic plugin into the
// game when QT_QPA_GENERIC_PLUGINS names it, so the program under test is the installed
// one, started through its link, with nothing of the build tree around it. The puzzle
// to open is the text after the plugin's name:
//
//   QT_QPA_GENERIC_PLUGINS=tolvaneprobe:<puzzle file>
//
// The probe opens the help, opens the puzzle, guesses two words, has the list checked and
// reports what the score dialog judged, one "probe:" line per finding, then closes the
// game. Every step waits for the window it needs by polling, so the game's modal dialogs
// run their own loops undisturbed.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <initializer_list>

namespace {

void Report(const QString& finding) {
  std::printf("probe: %s\n", qPrintable(finding));
  std::fflush(stdout);
}

QWidget* MainWindow() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->findChild<QAction*>("MenuOpen")) return window;
  return nullptr;
}

QWidget* VisibleWindow(const char* className) {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->inherits(className)) return window;
  return nullptr;
}

// The controls the probe works, found by name; a missing one ends the run with a report.
bool HasControls(const QWidget* window, std::initializer_list<const char*> names) {
  bool all = true;
  for (const char* name : names) {
    if (!window->findChild<QObject*>(name)) {
      Report(QString("no control ") + name);
      all = false;
    }
  }
  if (!all) QCoreApplication::exit(1);
  return all;
}

// Later, from the event loop: a handler that runs a modal dialog must not run inside
// the poll, whose timer would not fire again until the dialog closed.
void Later(QObject* target, std::function<void()> step) {
  QTimer::singleShot(0, target, std::move(step));
}

void PressEnter(QWidget* target) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
}

class InstalledGameProbe : public QObject {
 public:
  explicit InstalledGameProbe(QString puzzlePath) : puzzlePath_(std::move(puzzlePath)) {
    poll_.setInterval(20);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
    poll_.start();
  }

 private:
  enum class Step { MainWindow, Help, OpenDialog, Puzzle, Score, Done };

  void Poll() {
    // A message box at any step is a failure to report: say what it said and go on.
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      Report("message " + box->text());
      box->done(QMessageBox::Ok);
      messageShown_ = true;
      return;
    }
    QWidget* main = MainWindow();
    if (!main) return;
    switch (step_) {
      case Step::MainWindow:
        Report("program " + QCoreApplication::applicationFilePath());
        if (!HasControls(main, {"MenuContents", "MenuOpen", "MenuExit", "Start", "WordEntry",
                                "ExitButton", "CheckList"})) {
          step_ = Step::Done;
          break;
        }
        Later(main, [main] { main->findChild<QAction*>("MenuContents")->trigger(); });
        step_ = Step::Help;
        break;
      case Step::Help:
        // Either the help window opens, or a message has said why it did not.
        if (QWidget* help = VisibleWindow("THelpWindow")) {
          Report("help opened");
          help->close();
        } else if (!messageShown_) {
          break;
        }
        Later(main, [main] { main->findChild<QAction*>("MenuOpen")->trigger(); });
        step_ = Step::OpenDialog;
        break;
      case Step::OpenDialog:
        // Typed into the name box as a player would: selectFile() leaves that box alone
        // whenever it has the keyboard focus.
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
          if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->setText(puzzlePath_);
          QMetaObject::invokeMethod(dialog, "accept");  // the dialog's own, which takes the file
          step_ = Step::Puzzle;
        }
        break;
      case Step::Puzzle:
        if (main->findChild<QPushButton*>("Start")->isEnabled()) {
          PlayTwoWords(main);
          Later(main, [main] { main->findChild<QPushButton*>("CheckList")->click(); });
          step_ = Step::Score;
        }
        break;
      case Step::Score:
        if (QWidget* score = QApplication::activeModalWidget();
            score && score->objectName() == "ShowScore") {
          if (!HasControls(score, {"ValidWords", "Misspelled", "OKButton"})) {
            step_ = Step::Done;
            break;
          }
          ReportList(score, "ValidWords", "valid");
          ReportList(score, "Misspelled", "misspelled");
          score->findChild<QPushButton*>("OKButton")->click();
          Later(main, [main] { main->findChild<QAction*>("MenuExit")->trigger(); });
          step_ = Step::Done;
        }
        break;
      case Step::Done:
        break;
    }
  }

  static void PlayTwoWords(QWidget* main) {
    main->findChild<QPushButton*>("Start")->click();
    auto* entry = main->findChild<QLineEdit*>("WordEntry");
    for (const char* guess : {"cat", "qzx"}) {
      entry->setText(guess);
      PressEnter(entry);
    }
    main->findChild<QPushButton*>("ExitButton")->click();  // "Abort" while the game runs
  }

  static void ReportList(QWidget* score, const char* listName, const QString& verdict) {
    const auto* list = score->findChild<QListWidget*>(listName);
    for (int row = 0; row < list->count(); ++row) Report(verdict + " " + list->item(row)->text());
  }

  QString puzzlePath_;
  QTimer poll_;
  Step step_ = Step::MainWindow;
  bool messageShown_ = false;
};

}  // namespace

class InstalledGameProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "installed_game_probe.json")

 public:
  QObject* create(const QString&, const QString& puzzlePath) override {
    return new InstalledGameProbe(puzzlePath);
  }
};

#include "installed_game_probe.moc"

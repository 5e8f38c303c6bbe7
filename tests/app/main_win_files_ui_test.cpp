#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>

#include "tests/app/main_win_fixture.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class MainWinFilesTest : public MainWinTest {
 protected:
  QString Ini() const { return QString::fromStdString(platform.settingsFile); }
  QString InDir(const char* name) const { return dir.path() + "/" + name; }

  void Restart() {
    window->close();
    window.reset();
    Window();
  }

  struct Snapshot {
    std::array<char, 26> letters;
    std::array<bool, 26> cells;
    int height, width;
    bool start, save, print;
    QStringList guesses;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() {
    TMainWin& w = Window();
    return {w.Board().Letters,
            w.Board().CellOnBoard,
            w.Settings().Height,
            w.Settings().Width,
            Button("Start")->isEnabled(),
            Menu("MenuSave")->isEnabled(),
            Menu("MenuPrint")->isEnabled(),
            GuessItems()};
  }
};

TEST_F(MainWinFilesTest, AFirstRunWritesEveryKeyAndAnIdleRunChangesNoByte) {
  Window().close();
  const QByteArray first = ReadAll(Ini());
  ASSERT_FALSE(first.isEmpty());
  const QString text = QString::fromLatin1(first);
  const QStringList expectedOrder = {"[Misc]",
                                     "Last Import File=" + dir.path(),
                                     "Last Export File=" + dir.path(),
                                     "Last Group=" + dir.path() + "/TOLVANE.TVN",
                                     "Window Size=640",
                                     "Show Background Bitmap=Yes",
                                     "[Scoring]",
                                     "Word Misspelled=Yes",
                                     "3 Letter Words=1",
                                     "Larger Words=11",
                                     "Maximum Word Length=9",
                                     "[Play Options]",
                                     "Width=4",
                                     "Height=4",
                                     "Minutes=3",
                                     "American Dictionary=Yes",
                                     "[Letter Font]",
                                     "Font Name=Arial",
                                     "Size=26",
                                     "Bold=Yes",
                                     "Bitmap=",
                                     "[Print Puzzle Font]",
                                     "Size=16",
                                     "[Word List Font]",
                                     "Size=9",
                                     "Italic=No"};
  qsizetype at = 0;
  for (const QString& line : expectedOrder) {
    const qsizetype found = text.indexOf(line, at);
    ASSERT_GE(found, 0) << line.toStdString() << " missing or out of order";
    at = found + line.size();
  }

  window.reset();
  Window().close();
  EXPECT_EQ(ReadAll(Ini()), first);
}

TEST_F(MainWinFilesTest, SettingsFromTheFileAreAppliedAtStartUp) {
  WriteAll(Ini(),
           "; kept\n[Misc]\nWindow Size=1024\nShow Background Bitmap=no\n[Play Options]\n"
           "Guess List Columns=1\nAmerican Dictionary=No\nHeight=5\nwidth=5\n[Mine]\nx=1\n");
  platform.screen = QSize(800, 600);
  TMainWin& w = Window();
  EXPECT_EQ(w.ScaleFactor(), 1.0);
  EXPECT_TRUE(Menu("N640x480")->isChecked());
  EXPECT_FALSE(Menu("MenuBackBit")->isChecked());
  EXPECT_EQ(Menu("MenuAmerican")->text(), "&British Dictionary");
  EXPECT_FALSE(GuessList()->isWrapping());
  EXPECT_TRUE(w.Board().CellOnBoard[25]);
  w.close();
  const QString saved = QString::fromLatin1(ReadAll(Ini()));
  EXPECT_TRUE(saved.startsWith("; kept\n"));
  EXPECT_TRUE(saved.contains("Window Size=1024"));
  EXPECT_TRUE(saved.contains("[Mine]\nx=1"));
}

TEST_F(MainWinFilesTest, TwoGuessListColumnsWrapIntoASecondColumn) {
  Window();
  EXPECT_TRUE(GuessList()->isWrapping());
  EXPECT_EQ(GuessList()->gridSize().width(), 181 / 2);
}

TEST_F(MainWinFilesTest, SavingAFourByFiveBoardWritesItsRecord) {
  TMainWin& w = Window();
  w.Settings().Height = 4;
  w.Settings().Width = 5;
  w.Board().ComputeCellOnBoard(4, 5);
  Button("Scramble")->click();
  w.Board().Letters[23] = 'Q';  // off the board, but written as the board holds it
  platform.saveAnswers = {InDir("mine.TVN")};
  Menu("MenuSave")->trigger();

  ASSERT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests[0].title, "Save Tolvane File");
  EXPECT_EQ(platform.saveRequests[0].filter, "Tolvane (*.TVN)");
  EXPECT_EQ(platform.saveRequests[0].defaultSuffix, "TVN");
  EXPECT_TRUE(platform.messages.empty());

  const QByteArray bytes = ReadAll(InDir("mine.TVN"));
  ASSERT_EQ(bytes.size(), 755);
  EXPECT_EQ(bytes.left(4), QByteArray("\x03"
                                      "1.1"));
  for (int cell = 1; cell <= 25; ++cell)
    EXPECT_EQ(bytes[5 + cell], w.Board().Letters[cell]) << cell;
  EXPECT_EQ(bytes[251], 4);
  EXPECT_EQ(bytes[252], 0);
  EXPECT_EQ(bytes[253], 5);
  EXPECT_EQ(bytes[254], 0);
  EXPECT_EQ(bytes.mid(255), QByteArray(500, '\0'));

  // Opened again on a fresh board: the same letters and size, and only Start enabled.
  const auto letters = w.Board().Letters;
  Restart();
  platform.openAnswers = {InDir("mine.TVN")};
  Menu("MenuOpen")->trigger();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Window().Board().Letters, letters);
  EXPECT_EQ(Window().Settings().Height, 4);
  EXPECT_EQ(Window().Settings().Width, 5);
  EXPECT_TRUE(Window().Board().CellOnBoard[20]);
  EXPECT_FALSE(Window().Board().CellOnBoard[21]);
  EXPECT_TRUE(Button("Start")->isEnabled());
  EXPECT_FALSE(Menu("MenuSave")->isEnabled());
  EXPECT_FALSE(Menu("MenuPrint")->isEnabled());
  EXPECT_EQ(platform.openRequests[0].title, "Open Tolvane File");
  // The dialog starts with the last file name next time.
  platform.openAnswers = {QString()};
  Menu("MenuOpen")->trigger();
  EXPECT_EQ(platform.openRequests[1].fileName, InDir("mine.TVN"));
}

TEST_F(MainWinFilesTest, AFailedOpenReportsAndChangesNothing) {
  Window();
  Button("Scramble")->click();
  Button("Start")->click();
  Type("cat");
  Button("ExitButton")->click();

  QByteArray valid(755, '\0');
  valid[0] = 3;
  valid.replace(6, 25, QByteArray(25, 'Z'));
  valid[251] = 5;
  valid[253] = 5;
  WriteAll(InDir("good.txt"), valid);
  WriteAll(InDir("short.TVN"), valid.left(754));
  QByteArray tooWide = valid;
  tooWide[253] = 7;
  WriteAll(InDir("wide.TVN"), tooWide);

  struct Case {
    QString path;
    const char* message;
  };
  const Case cases[] = {
      {InDir("good.txt"), "The file selected is not a valid puzzle file."},
      {InDir("gone.TVN"), "Unable to open file."},
      {InDir("short.TVN"), "Read beyond end of file"},
      {InDir("wide.TVN"), "The file selected is not a valid puzzle file."},
      {QString(), nullptr},  // cancelled
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const Snapshot before = Take();
    platform.messages.clear();
    platform.openAnswers = {c.path};
    Menu("MenuOpen")->trigger();
    if (c.message) {
      ASSERT_EQ(platform.messages.size(), 1u);
      EXPECT_EQ(platform.messages[0].text, c.message);
      EXPECT_EQ(platform.messages[0].caption, "Error");
    } else {
      EXPECT_TRUE(platform.messages.empty());
    }
    EXPECT_TRUE(Take() == before);
  }
}

TEST_F(MainWinFilesTest, AReadOnlyPuzzleOpens) {
  QByteArray valid(755, '\0');
  valid[0] = 3;
  valid.replace(6, 25, QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY"));
  valid[251] = 5;
  valid[253] = 5;
  WriteAll(InDir("locked.TVN"), valid);
  QFile::setPermissions(InDir("locked.TVN"), QFileDevice::ReadOwner);
  platform.openAnswers = {InDir("locked.TVN")};
  Menu("MenuOpen")->trigger();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Window().Board().Letters[25], 'Y');
  EXPECT_EQ(Window().Settings().Width, 5);
}

TEST_F(MainWinFilesTest, ASaveThatCannotBeWrittenSaysSoAndLeavesNoFile) {
  Window();
  Button("Scramble")->click();
  platform.saveAnswers = {InDir("no/such/folder/p.TVN")};
  Menu("MenuSave")->trigger();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Unable to save puzzle.");
  EXPECT_EQ(platform.messages[0].caption, "Error");

  platform.messages.clear();
  platform.saveAnswers = {QString()};
  Menu("MenuSave")->trigger();
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace

namespace {

TEST_F(MainWinFilesTest, AStoredWindowSizeTheScreenCanShowScalesTheWholeWindow) {
  WriteAll(Ini(), "[Misc]\nWindow Size=1280\n");
  platform.screen = QSize(1280, 1024);
  TMainWin& w = Window();
  EXPECT_EQ(w.ScaleFactor(), 2.0);
  EXPECT_TRUE(Menu("N1280x1024")->isChecked());
  EXPECT_EQ(Surface()->size(), QSize(1264, 836));
  EXPECT_EQ(GuessList()->geometry(), QRect(696, 80, 362, 666));
  EXPECT_EQ(WordEntry()->geometry(), QRect(184, 8, 466, 58));
  EXPECT_EQ(Button("Start")->font().pixelSize(), 34);
  EXPECT_EQ(GuessList()->font().pointSize(), 18);
  Surface()->repaint();
  EXPECT_EQ(Geometry().TileSize, 120);
  EXPECT_EQ(Geometry().BoardLeft, 112);
  EXPECT_EQ(Geometry().BoardTop, 88);
}

TEST_F(MainWinFilesTest, EightHundredBySixHundredRoundsHalfPixelsUp) {
  WriteAll(Ini(), "[Misc]\nWindow Size=800\n");
  platform.screen = QSize(800, 600);
  TMainWin& w = Window();
  EXPECT_EQ(w.ScaleFactor(), 1.25);
  EXPECT_EQ(Surface()->size(), QSize(790, 523));
}

}  // namespace

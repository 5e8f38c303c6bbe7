#include "windows/options/design_it.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/widget_makers.h"
#include "settings/puzzle_file.h"

namespace {

constexpr int kBoxSize = 29;
constexpr int kBoxPitch = 35;
constexpr int kGridMargin = 10;

// A-Z and a-z only: the board and the puzzle file hold single-byte capitals.
char BoxLetter(const QLineEdit& box) {
  const QString text = box.text();
  if (text.isEmpty()) return ' ';
  const char letter = text[0].toLatin1();
  return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

}  // namespace

TDesignIt::TDesignIt(GameHost& host)
    : TScaledDialog(host, "DesignIt", "Design Own Puzzle",
                    {kGridMargin + 4 * kBoxPitch + kBoxSize + kGridMargin, 350}) {
  // The buttons come first in the tab order, the letter boxes after them.
  // No default button, so Enter in a letter box presses nothing. A dialog would otherwise
  // make the first button it finds after the focus its default when shown.
  const auto button = [this](const char* name, const char* caption, int top) {
    QPushButton* made = MakeButton(this, name, caption, {kGridMargin, top, 169, 33});
    made->setAutoDefault(false);
    return made;
  };
  SavePuzzle = button("SavePuzzle", "&Save Puzzle", 190);
  SaveAndPlay = button("SaveAndPlay", "Save &And Play", 229);
  PlayPuzzle = button("PlayPuzzle", "&PLay Puzzle", 268);
  ExitButton = button("ExitButton", "E&xit", 307);
  connect(SavePuzzle, &QPushButton::clicked, this, &TDesignIt::SavePuzzleClick);
  connect(SaveAndPlay, &QPushButton::clicked, this, &TDesignIt::SaveAndPlayClick);
  connect(PlayPuzzle, &QPushButton::clicked, this, &TDesignIt::PlayPuzzleClick);
  connect(ExitButton, &QPushButton::clicked, this, &TDesignIt::ExitButtonClick);

  FormCreate();
  RecordDesignLayout();
}

void TDesignIt::FormCreate() {
  const QRegularExpression oneLetter("[A-Za-z]");
  for (int i = 1; i <= LetterGrid::kCells; ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName("Box" + QString::number(i));
    box->setAccessibleName(QString("Row %1, column %2").arg((i - 1) / 5 + 1).arg((i - 1) % 5 + 1));
    box->setGeometry(((i - 1) % 5) * kBoxPitch + kGridMargin,
                     ((i - 1) / 5) * kBoxPitch + kGridMargin, kBoxSize, kBoxSize);
    box->setMaxLength(1);
    box->setAlignment(Qt::AlignCenter);
    box->setValidator(new QRegularExpressionValidator(oneLetter, box));
    Boxes[i] = box;
  }
}

void TDesignIt::FormShow() {
  const GameSettings& settings = host.Settings();
  for (int row = 1; row <= 5; ++row) {
    for (int column = 1; column <= 5; ++column) {
      QLineEdit* box = Boxes[LetterGrid::CellIndex(row, column)];
      const bool inUse = row <= settings.Height && column <= settings.Width;
      box->clear();
      box->setEnabled(inUse);
      box->setVisible(inUse);
    }
  }
  Boxes[1]->setFocus();
}

bool TDesignIt::BlocksFilled() {
  const GameSettings& settings = host.Settings();
  for (int row = 1; row <= settings.Height; ++row) {
    for (int column = 1; column <= settings.Width; ++column) {
      QLineEdit* box = Boxes[LetterGrid::CellIndex(row, column)];
      if (BoxLetter(*box) != ' ') continue;
      host.Services().ShowMessage(this, "Not all letters have been filled in.", "Error");
      box->setFocus();
      return false;
    }
  }
  return true;
}

LetterGrid TDesignIt::TypedBoard() const {
  LetterGrid typed;
  for (int i = 1; i <= LetterGrid::kCells; ++i) typed.Letters[i] = BoxLetter(*Boxes[i]);
  return typed;
}

void TDesignIt::SaveTypedPuzzle() {
  const GameSettings& settings = host.Settings();
  PuzzleRecord record = PuzzleRecordFromBoard(TypedBoard(), settings.Height, settings.Width);
  host.SaveThePuzzle(record);
}

// The board's cells already match the size, which cannot change here.
void TDesignIt::PlayTypedPuzzle() {
  host.Board().Letters = TypedBoard().Letters;
  host.BoardLoaded();
  accept();
}

void TDesignIt::SavePuzzleClick() {
  if (BlocksFilled()) SaveTypedPuzzle();
}

// The typed board is played whether the save was made, cancelled or failed.
void TDesignIt::SaveAndPlayClick() {
  if (!BlocksFilled()) return;
  SaveTypedPuzzle();
  PlayTypedPuzzle();
}

void TDesignIt::PlayPuzzleClick() {
  if (BlocksFilled()) PlayTypedPuzzle();
}

void TDesignIt::ExitButtonClick() { reject(); }

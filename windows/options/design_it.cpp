#include "windows/options/design_it.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "base/latin1.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/widget_makers.h"
#include "settings/game_settings.h"
#include "settings/puzzle_file.h"
#include "words/language.h"

namespace {

constexpr int kBoxSize = 29;
constexpr int kBoxPitch = 35;
constexpr int kGridMargin = 10;

// The board and the puzzle file hold single-byte capitals: the validators let in only
// letters that are one tile.
char BoxLetter(const QLineEdit& box) {
  const QString text = box.text();
  if (text.isEmpty()) return ' ';
  return Latin1Upper(text[0].toLatin1());
}

// A letter of a language whose words are folded: typed in either case, with or without
// its accent, it is shown as the tile it is (é is E, ä is Ä in German). A letter that
// would be two tiles (ß) or none is refused.
class TileValidator : public QValidator {
 public:
  TileValidator(const Language& language, QObject* parent)
      : QValidator(parent), language_(language) {}
  State validate(QString& input, int& position) const override {
    if (input.isEmpty()) return Acceptable;
    const std::u32string letters = input.toStdU32String();
    if (letters.size() != 1) return Invalid;
    const std::string tile = FoldLetter(language_, letters[0]);
    if (tile.size() != 1) return Invalid;
    input = QString(QChar::fromLatin1(tile[0]));
    position = 1;
    return Acceptable;
  }

 private:
  const Language& language_;
};

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
  const Language& language = ChosenLanguage(host.Settings());
  for (int i = 1; i <= LetterGrid::kCells; ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName("Box" + QString::number(i));
    box->setAccessibleName(QString("Row %1, column %2").arg((i - 1) / 5 + 1).arg((i - 1) % 5 + 1));
    box->setGeometry(((i - 1) % 5) * kBoxPitch + kGridMargin,
                     ((i - 1) / 5) * kBoxPitch + kGridMargin, kBoxSize, kBoxSize);
    box->setMaxLength(1);
    box->setAlignment(Qt::AlignCenter);
    if (language.Typing == Folding::ToTiles)
      box->setValidator(new TileValidator(language, box));
    else
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

#include "windows/look/print_opt.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/puzzle_page.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/look/qt_font.h"

namespace {

// The hourglass for as long as the printer is being fed, whatever way the print ends.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TPrintOpt::TPrintOpt(GameHost& host)
    : TScaledDialog(host, "PrintOpt", "Print Options", {183, 145}) {
  MakePanel(this, "Bevel3", {12, 8, 161, 81}, QFrame::Raised);
  Font = MakeButton(this, "Font", "&Puzzle Font", {20, 16, 141, 29});
  FontName = new QLineEdit(this);
  FontName->setObjectName("FontName");
  // Not the button's name again: what the box holds is the font chosen.
  FontName->setAccessibleName("Chosen puzzle font");
  FontName->setGeometry(20, 52, 141, 25);
  FontName->setFont(ArialPixels(17));
  FontName->setReadOnly(true);
  FontName->setFocusPolicy(Qt::ClickFocus);
  Print = MakeButton(this, "Print", "&Print", {8, 96, 77, 37});
  Print->setDefault(true);
  ExitButton = MakeButton(this, "ExitButton", "E&xit", {96, 96, 77, 37});

  connect(Font, &QPushButton::clicked, this, &TPrintOpt::FontClick);
  connect(Print, &QPushButton::clicked, this, &TPrintOpt::PrintClick);
  connect(ExitButton, &QPushButton::clicked, this, &QDialog::reject);
  RecordDesignLayout();
}

void TPrintOpt::FormShow() {
  PrintLetters = host.Board().Letters;
  ShowFontName();
  setWindowTitle("Print");
  Print->setFocus();
}

void TPrintOpt::ShowFontName() {
  const FontDescription& font = host.Settings().PrintPuzzleFont;
  FontName->setText(TextFromBytes(FormatNumber(font.Size, 1, 0) + "pt " + font.Name));
}

void TPrintOpt::FontClick() {
  const std::optional<FontDescription> chosen =
      ChooseFont(host.Services(), this, host.Settings().PrintPuzzleFont, true);
  if (!chosen) return;
  host.Settings().PrintPuzzleFont = *chosen;
  ShowFontName();
}

void TPrintOpt::PrintClick() {
  Platform& services = host.Services();
  if (services.PrintInProgress()) {
    services.ShowMessage(this, "Other print job currently in progress.", "Error");
    return;
  }
  if (!services.PrintDialog(this)) return;

  const GameSettings& settings = host.Settings();
  PuzzlePrint job;
  job.Letters = PrintLetters;
  job.Height = settings.Height;
  job.Width = settings.Width;
  job.Font = QtFontFrom(settings.PrintPuzzleFont);
  job.Color = ColorFromSetting(settings.PrintPuzzleFont.Color);
  bool printed = false;
  {
    BusyCursor busy;
    printed = services.PrintPuzzle(job);
  }
  // A printer that refused the job (a file that cannot be written, a queue gone away)
  // must not pass for a print that went out.
  if (!printed) services.ShowMessage(this, "Unable to print puzzle.", "Error");
}

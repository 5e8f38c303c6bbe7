#pragma once

// Sound, printing, the game history and stemming pull in large libraries (audio codecs,
// the print system, the database and charts, Hunspell) that a player who only plays never
// needs, and that would slow start-up and swell memory. They live in modules beside the
// executable, loaded the first time they are used. These are the functions each module exports.

class GameHistory;
class ProgressChart;
class QPrinter;
class QWidget;
class Sound;
class Stemmer;
struct PuzzlePrint;

extern "C" {
// libtolvane_sound.so: a new sound service on Qt Multimedia.
using CreateSoundFunction = Sound* (*)();
// libtolvane_print.so: the printer-setup dialog for the one printer of the run, the
// print dialog (false when cancelled), whether a print is running, and the print itself
// (one page per copy the print dialog asked for; false when the printer refused).
using PrinterSetupFunction = void (*)(QWidget* owner);
using PrintDialogFunction = bool (*)(QWidget* owner);
using PrintInProgressFunction = bool (*)();
using PrintPuzzleFunction = bool (*)(const PuzzlePrint& job);
// The one printer of the run, for a test to send a print to a file without a dialog.
using ThePrinterFunction = QPrinter* (*)();
// libtolvane_history.so: the history file at `path` (made when missing, a damaged or
// foreign file kept aside first), waiting at most `busyMs` for another copy of the game
// to finish a write; and a progress chart owned by `parent`.
using OpenHistoryFunction = GameHistory* (*)(const char* path, int busyMs);
using MakeProgressChartFunction = ProgressChart* (*)(QWidget* parent);
// libtolvane_stemmer.so: a stemmer on the Hunspell dictionary of the two files; null when
// they are not there or not a dictionary it can use.
using OpenStemmerFunction = Stemmer* (*)(const char* affixPath, const char* dictionaryPath);
}

inline constexpr const char* kSoundModule = "tolvane_sound";
inline constexpr const char* kCreateSoundSymbol = "TolvaneCreateSound";
inline constexpr const char* kPrintModule = "tolvane_print";
inline constexpr const char* kPrinterSetupSymbol = "TolvanePrinterSetup";
inline constexpr const char* kPrintDialogSymbol = "TolvanePrintDialog";
inline constexpr const char* kPrintInProgressSymbol = "TolvanePrintInProgress";
inline constexpr const char* kPrintPuzzleSymbol = "TolvanePrintPuzzle";
inline constexpr const char* kThePrinterSymbol = "TolvaneThePrinter";
inline constexpr const char* kHistoryModule = "tolvane_history";
inline constexpr const char* kOpenHistorySymbol = "TolvaneOpenHistory";
inline constexpr const char* kMakeProgressChartSymbol = "TolvaneMakeProgressChart";
inline constexpr const char* kStemmerModule = "tolvane_stemmer";
inline constexpr const char* kOpenStemmerSymbol = "TolvaneOpenStemmer";

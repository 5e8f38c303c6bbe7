#pragma once

// Sound and printing pull in large libraries (audio codecs, the print system) that a
// player who only plays never needs, and that would slow start-up and swell memory.
// They live in two modules beside the executable, loaded the first time they are used.
// These are the functions each module exports.

class QPrinter;
class QWidget;
class Sound;
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
}

inline constexpr const char* kSoundModule = "tolvane_sound";
inline constexpr const char* kCreateSoundSymbol = "TolvaneCreateSound";
inline constexpr const char* kPrintModule = "tolvane_print";
inline constexpr const char* kPrinterSetupSymbol = "TolvanePrinterSetup";
inline constexpr const char* kPrintDialogSymbol = "TolvanePrintDialog";
inline constexpr const char* kPrintInProgressSymbol = "TolvanePrintInProgress";
inline constexpr const char* kPrintPuzzleSymbol = "TolvanePrintPuzzle";
inline constexpr const char* kThePrinterSymbol = "TolvaneThePrinter";

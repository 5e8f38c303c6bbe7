#pragma once

// Sound and printing pull in large libraries (audio codecs, the print system) that a
// player who only plays never needs, and that would slow start-up and swell memory.
// They live in two modules beside the executable, loaded the first time they are used.
// These are the functions each module exports.

class QWidget;
class Sound;

extern "C" {
// libtolvane_sound.so: a new sound service on Qt Multimedia.
using CreateSoundFunction = Sound* (*)();
// libtolvane_print.so: the printer-setup dialog for the one printer of the run.
using PrinterSetupFunction = void (*)(QWidget* owner);
}

inline constexpr const char* kSoundModule = "tolvane_sound";
inline constexpr const char* kCreateSoundSymbol = "TolvaneCreateSound";
inline constexpr const char* kPrintModule = "tolvane_print";
inline constexpr const char* kPrinterSetupSymbol = "TolvanePrinterSetup";

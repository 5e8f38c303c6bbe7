// Any bytes as the settings file load without harm, give a playable board size and game
// length, and are saved into a file that a second load and save leave unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/scratch_file.h"
#include "settings/settings_file.h"

namespace {

const std::string& Scratch() { return ScratchFile("TOLVANE.INI"); }

void CheckPlayable(const GameSettings& settings) {
  if (settings.Height != 4 && settings.Height != 5) std::abort();
  if (settings.Width != 4 && settings.Width != 5) std::abort();
  const int64_t gameSeconds = int64_t{settings.Minutes} * 60 + settings.Seconds;
  if (gameSeconds < 0 || gameSeconds > INT32_MAX) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  WriteScratch(Scratch(), data, size);
  GameSettings first = DefaultSettings("/home/player");
  LoadSettings(first, Scratch());
  CheckPlayable(first);
  if (!SaveSettings(first, Scratch())) std::abort();
  const std::string saved = ReadScratch(Scratch());

  GameSettings second = DefaultSettings("/elsewhere");
  LoadSettings(second, Scratch());
  CheckPlayable(second);
  // Texts are not compared: one cut to its buffer may end in a blank, which the next
  // reading trims.
  if (second.Minutes != first.Minutes || second.Seconds != first.Seconds ||
      second.Height != first.Height || second.Width != first.Width ||
      second.LetterFont.Bold != first.LetterFont.Bold)
    std::abort();
  if (!SaveSettings(second, Scratch()) || ReadScratch(Scratch()) != saved) std::abort();
  return 0;
}

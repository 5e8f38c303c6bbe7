// Any bytes read as an exported history give games or a refusal, never a crash; games
// read from a text are written back as text that reads as the same games.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "history/history_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto games = ReadHistoryCsv(text);
  if (!games) return 0;
  if (ReadHistoryCsv(HistoryCsv(*games)) != games) std::abort();
  return 0;
}

// libtolvane_stemmer.so: base forms from a Hunspell dictionary. Hunspell and its large
// dictionaries are only loaded when a word of another language needs its base form.

#include <filesystem>
#include <hunspell.hxx>
#include <memory>

#include "platform/plugin_modules.h"
#include "words/definitions/stemmer.h"

namespace {

// The largest dictionary Debian installs is 4 MB; a file far larger is not one.
constexpr std::uintmax_t kMaxDictionarySize = 64u << 20;
// No word of a board comes near this; Hunspell is never handed longer input.
constexpr std::size_t kMaxWordSize = 64;

class HunspellStemmer : public Stemmer {
 public:
  HunspellStemmer(const char* affixPath, const char* dictionaryPath)
      : hunspell_(affixPath, dictionaryPath) {}

  // Every dictionary Debian ships is UTF-8; one in another encoding would only ever
  // give wrong stems, so it is not used.
  bool SpeaksUtf8() const { return hunspell_.get_dict_encoding() == "UTF-8"; }

  std::vector<std::string> Stems(const std::string& word) override {
    if (word.empty() || word.size() > kMaxWordSize) return {};
    return hunspell_.stem(word);
  }

 private:
  Hunspell hunspell_;
};

// Hunspell would block on a FIFO and read a device for ever: only regular files.
bool IsDictionaryFile(const char* path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) &&
         std::filesystem::file_size(path, error) <= kMaxDictionarySize && !error;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) Stemmer* TolvaneOpenStemmer(
    const char* affixPath, const char* dictionaryPath) {
  if (!IsDictionaryFile(affixPath) || !IsDictionaryFile(dictionaryPath)) return nullptr;
  auto stemmer = std::make_unique<HunspellStemmer>(affixPath, dictionaryPath);
  return stemmer->SpeaksUtf8() ? stemmer.release() : nullptr;
}

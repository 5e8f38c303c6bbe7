#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLibrary>
#include <memory>

#include "platform/platform.h"
#include "platform/plugin_modules.h"
#include "tests/temp_folder.h"
#include "words/definitions/stemmer.h"

namespace {

QString ModulePath(const char* module) { return QString(TOLVANE_PROGRAM_DIR) + "/" + module; }

TEST(PluginModules, TheSoundModuleMakesASoundThatStaysSilentForMissingFiles) {
  const auto create = reinterpret_cast<CreateSoundFunction>(
      QLibrary::resolve(ModulePath(kSoundModule), kCreateSoundSymbol));
  ASSERT_NE(create, nullptr) << "the sound module is missing from the program's folder";
  std::unique_ptr<Sound> sound(create());
  ASSERT_NE(sound, nullptr);
  // Neither call may wait or fail when the file is not there.
  sound->PlayAsync("NO-SUCH-SOUND.WAV");
  sound->PlayToEnd("NO-SUCH-SOUND.WAV");
}

TEST(PluginModules, ThePrintModuleOffersPrinterSetup) {
  EXPECT_NE(QLibrary::resolve(ModulePath(kPrintModule), kPrinterSetupSymbol), nullptr);
}

TEST(PluginModules, TheStemmerModuleStemsWithAHunspellDictionaryAndRefusesAnythingElse) {
  const auto open = reinterpret_cast<OpenStemmerFunction>(
      QLibrary::resolve(ModulePath(kStemmerModule), kOpenStemmerSymbol));
  ASSERT_NE(open, nullptr) << "the stemmer module is missing from the program's folder";
  TempFolder folder;
  const std::string affix = folder.Write("de.aff", "SET UTF-8\nSFX N Y 1\nSFX N 0 en .\n");
  const std::string words = folder.Write("de.dic", "1\nB\xc3\xa4r/N\n");
  std::unique_ptr<Stemmer> stemmer(open(affix.c_str(), words.c_str()));
  ASSERT_NE(stemmer, nullptr);
  EXPECT_THAT(stemmer->Stems("B\xc3\xa4ren"), ::testing::ElementsAre("B\xc3\xa4r"));
  EXPECT_THAT(stemmer->Stems("Hunde"), ::testing::IsEmpty());
  EXPECT_THAT(stemmer->Stems(std::string(100, 'a') + "en"), ::testing::IsEmpty());

  const std::string latin1 = folder.Write("l1.aff", "SET ISO8859-1\nSFX N Y 1\nSFX N 0 en .\n");
  ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0600), 0);
  const std::vector<std::pair<std::string, std::string>> notDictionaries = {
      {folder.File("missing.aff"), words},  // the package is not installed
      {affix, folder.File("missing.dic")},
      {folder.Path(), words},        // a folder
      {folder.File("fifo"), words},  // would block Hunspell for ever
      {latin1, words},               // stems in another encoding than the game reads
  };
  for (const auto& [affixPath, wordsPath] : notDictionaries)
    EXPECT_EQ(std::unique_ptr<Stemmer>(open(affixPath.c_str(), wordsPath.c_str())), nullptr)
        << affixPath << " " << wordsPath;
}

}  // namespace

#include <gtest/gtest.h>

#include <QLibrary>
#include <memory>

#include "platform/platform.h"
#include "platform/plugin_modules.h"

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

}  // namespace

// A word of another language shows, where a word of English shows what it means, how the
// language spells it and its English translations: with the installed French and German
// dictionaries and the lexicons the build compiles, and a table of stems in the place of
// the stemming dictionary.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "tests/fake_game_host.h"
#include "windows/words/look_up_word.h"
#include "windows/words/definition_window.h"
#include "windows/words/missed_words.h"

namespace {

class TranslationsTest : public ::testing::Test {
 protected:
  QString PaneFor(const char* languageCode, const std::vector<std::string>& words) {
    host_.settings.LanguageCode = languageCode;
    MissedWordList list;
    for (const std::string& word : words) list.Words.push_back({word, 1, {}});
    WordMeanings meanings(host_.ProgramDirectory(), PlatformStemmers(host_.Services()));
    TMissedWords dialog(host_, nullptr, list, meanings);
    dialog.show();
    auto* table = dialog.findChild<QTreeWidget*>("MissedList");
    table->setCurrentItem(table->topLevelItem(table->topLevelItemCount() - 1));
    return dialog.findChild<QPlainTextEdit*>("DefinitionText")->toPlainText();
  }

  FakeGameHost host_;
};

TEST_F(TranslationsTest, MissedWordsShowsTheSpellingsAndTranslationsOfTheChosenWord) {
  EXPECT_EQ(PaneFor("fr", {"ELEVE"}),
            QString::fromUtf8("Spelled élevé, élève\n\nélevé (adj)\n1. noble\n2. well mannered\n"
                              "\nélève (n)\n1. pupil\n"));
  EXPECT_TRUE(PaneFor("de", {"B\xC4R"}).contains("[zool.] bear"));
  EXPECT_TRUE(host_.platform.stemmersOpened.empty()) << "no base form was needed";

  // The list has the plural, the dictionary only the singular: the stem finds it.
  host_.platform.stems = {{"\xc3\xa9l\xc3\xa8ves", {"\xc3\xa9l\xc3\xa8ve"}}};
  EXPECT_EQ(PaneFor("fr", {"ELEVE", "ELEVES"}),
            QString::fromUtf8("Spelled élevés, élèves\n\nélève (n)\n1. pupil\n"));
  EXPECT_EQ(host_.platform.stemmersOpened,
            std::vector<std::string>{"/usr/share/hunspell/fr_FR.aff"});
}

TEST_F(TranslationsTest, WithoutTheStemmingDictionaryThePaneNamesItsPackage) {
  host_.platform.stemmerInstalled = false;
  EXPECT_EQ(PaneFor("fr", {"ELEVES"}),
            QString::fromUtf8(
                "Spelled élevés, élèves\n\nNo translation found for \"ELEVES\". Install the "
                "package hunspell-fr to find the base forms of inflected words."));
}

TEST_F(TranslationsTest, LookUpWordDefinesAWordAsThePlayerTypesIt) {
  host_.settings.LanguageCode = "de";
  QString shown;
  host_.platform.onExec = [&](QDialog& dialog) {
    shown = dialog.findChild<QPlainTextEdit*>("DefinitionText")->toPlainText();
  };
  TLookUpWord dialog(host_);
  dialog.show();
  dialog.findChild<QLineEdit*>("TheWord")->setText(QString::fromUtf8("bären"));
  dialog.findChild<QPushButton*>("DefineButton")->click();
  EXPECT_TRUE(shown.startsWith(QString::fromUtf8("Spelled Bären\n\nBären (pl)\n1. bears\n")))
      << shown.toStdString();
}

}  // namespace
